#include "app/SettingsPage.h"
#include "app/GridModels.h"
#include "image/SettingsLists.h"
#include "settings/SettingsPageLayout.h"
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

SettingsPage::SettingsPage(CloneImage *image, QWidget *parent) : QWidget(parent), m_image(image) {
    setObjectName(QStringLiteral("SettingsPage"));
    m_listArea = new QWidget(this);
    auto *grid = new QGridLayout(m_listArea);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const auto &lists = SettingsLists();
    for (const SettingsPlace &p : SettingsPagePlaces()) {
        const int i = SettingsListIndex(QLatin1String(p.name));
        auto *combo = new QComboBox(m_listArea);
        combo->setObjectName(lists[i].name);
        for (const QString &item : lists[i].items)
            combo->addItem(ShownSettingsText(item));
        combo->setMaxVisibleItems(MaxVisibleListItems);
        // A style that opens its lists as pop-up menus ignores the count: the list form keeps to it.
        combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto *label = new QLabel(ShownSettingsText(lists[i].label), m_listArea);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(combo); // the label names the list for a screen reader
        // ... which reads the setting with its value, "Key Lock: Off", as the list's description
        auto describe = [combo, label] {
            combo->setAccessibleDescription(tr("%1: %2").arg(label->text(), combo->currentText()));
        };
        connect(combo, &QComboBox::currentIndexChanged, combo, describe);
        describe();
        grid->addWidget(label, p.row, p.column * 3);
        grid->addWidget(combo, p.row, p.column * 3 + 1, Qt::AlignLeft);
        m_combos[i] = combo;
        // The lists are views of the image's selection; picking an item changes no block and no flag.
        connect(combo, &QComboBox::currentIndexChanged, this, [this, i](int index) {
            if (m_showing || index < 0) return;
            m_image->Settings[i] = index;
            emit settingPicked(i);
        });
    }
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnMinimumWidth(5, 12);
    grid->setRowMinimumHeight(4, 6);
    grid->setColumnStretch(8, 1);

    // The model frame, over the first column's empty top rows.
    auto *frame = new QGroupBox(tr("Model"), m_listArea);
    frame->setObjectName(QStringLiteral("fraModel"));
    auto *frameLayout = new QGridLayout(frame);
    m_modelGroup = new QButtonGroup(this);
    for (int v = 0; v < 4; ++v) {
        auto *option = new QRadioButton(VariantCaption(v), frame);
        option->setObjectName(QStringLiteral("opbModel%1").arg(v));
        m_modelGroup->addButton(option, v);
        frameLayout->addWidget(option, v / 2, v % 2);
        m_options[v] = option;
    }
    cmdAuto = new QPushButton(tr("Auto Select"), frame);
    cmdAuto->setObjectName(QStringLiteral("cmdAuto"));
    frameLayout->addWidget(cmdAuto, 0, 2, 2, 1, Qt::AlignVCenter);
    grid->addWidget(frame, 0, 0, 4, 2);
    m_options[m_image->Variant]->setChecked(true);
    connect(m_modelGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked) return;
        m_image->Variant = id;
        emit variantSelected(id);
    });

    MSFlexGrid2 = new QTableView(this);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid2->setAccessibleName(tr("VFOs"));
    MSFlexGrid2->setAccessibleDescription(tr("VFO A and VFO B; Enter edits the current row"));
    vfoModel = new VfoTableModel(m_image, this);
    MSFlexGrid2->setModel(vfoModel);
    SetUpGridView(MSFlexGrid2, VfoFieldCount);
    MSFlexGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MSFlexGrid2->setFixedHeight(MSFlexGrid2->horizontalHeader()->sizeHint().height() +
                                2 * MSFlexGrid2->verticalHeader()->defaultSectionSize() +
                                2 * MSFlexGrid2->frameWidth());
    // The grid grows with the window and never shows less than its columns, however the user sizes them.
    MSFlexGrid2->setMinimumWidth(GridFullWidth(MSFlexGrid2));
    MSFlexGrid2->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(MSFlexGrid2->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { MSFlexGrid2->setMinimumWidth(GridFullWidth(MSFlexGrid2)); });
    MSFlexGrid2->setCurrentIndex(vfoModel->index(0, 0));

    cmbRxData1 = new QPushButton(tr("Read Settings"), this);
    cmbRxData1->setObjectName(QStringLiteral("cmbRxData1"));
    cmbTxData1 = new QPushButton(tr("Write Settings"), this);
    cmbTxData1->setObjectName(QStringLiteral("cmbTxData1"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmbRxData1);
    buttons->addWidget(cmbTxData1);
    buttons->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(MSFlexGrid2, 1, Qt::AlignTop);
    bottom->addSpacing(16);
    bottom->addLayout(buttons);

    auto *box = new QGroupBox(tr("Settings 1"), this);
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_listArea);
    boxLayout->addSpacing(8);
    boxLayout->addLayout(bottom);
    boxLayout->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(box);
}

void SettingsPage::showSettings() {
    m_showing = true;
    for (int i = 0; i < SettingsListCount; ++i)
        m_combos[i]->setCurrentIndex(m_image->Settings[i]);
    m_showing = false;
}

void SettingsPage::selectVariant(int variant) {
    if (variant >= 0 && variant < 4) m_options[variant]->setChecked(true);
}

int SettingsPage::selectedVariant() const {
    for (int v = 0; v < 3; ++v)
        if (m_options[v]->isChecked()) return v;
    return 3;
}

void SettingsPage::setInputEnabled(bool enabled) {
    for (QComboBox *c : m_combos)
        c->setEnabled(enabled);
    for (QRadioButton *o : m_options)
        o->setEnabled(enabled);
}
