#include "app/DlgModify.h"
#include "app/UserPrompts.h"
#include "channels/ChannelLabels.h"
#include "channels/ChannelRecord.h"
#include "channels/NameCharset.h"
#include "image/Messages.h"
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

namespace {
QLineEdit *makeBox(QWidget *parent, const char *name, int maxLength) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(maxLength);
    const int chars = maxLength == 8 ? 9 : maxLength + 1;
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 14);
    box->setAlignment(maxLength == 8 ? Qt::AlignLeft : Qt::AlignRight);
    return box;
}

QComboBox *makeCombo(QWidget *parent, const char *name, const QStringList &items) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    // the item's index is the code; its text is the word in the window's language
    for (const QString &item : items)
        combo->addItem(ShownFieldValue(item));
    return combo;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// Eight of the widest name character, with the box's frame and margins around them.
int NameBoxWidth(const QLineEdit *box) {
    const QFontMetrics metrics = box->fontMetrics();
    int widest = 0;
    for (int code = 0; code < 256; ++code)
        if (const QChar c = NameChar(code); !c.isNull())
            widest = qMax(widest, metrics.horizontalAdvance(QString(NameBoxLength, c)));
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QMargins text = box->textMargins();
    // QLineEdit keeps a further two pixels each side, and one for the cursor.
    const QSize contents(widest + text.left() + text.right() + 2 * 2 + 1, metrics.height());
    return box->style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, box).width();
}

// The bank caption ("Memory", "Memory A", "Memory B") in the window's language.
QString shownBankCaption(int k) {
    static const char *const captions[] = {QT_TRANSLATE_NOOP("DlgModify", "Memory"),
                                           QT_TRANSLATE_NOOP("DlgModify", "Memory A"),
                                           QT_TRANSLATE_NOOP("DlgModify", "Memory B")};
    const QString caption = BankCaption(k);
    for (const char *c : captions)
        if (caption == QLatin1String(c)) return QCoreApplication::translate("DlgModify", c);
    return caption;
}

// The typed character a key stands for: backspace as code 8, nothing for keys that type nothing.
QChar typedChar(const QKeyEvent *e) {
    if (e->key() == Qt::Key_Backspace) return QChar(BackspaceCode);
    if (e->text().isEmpty() || e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return QChar();
    const QChar c = e->text().at(0);
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(27) || c == QLatin1Char('\t'))
        return QChar(); // Enter, Escape and Tab belong to the dialog
    return c;
}
} // namespace

DlgModify::DlgModify(CloneImage *image, UserPrompts *prompts, QWidget *parent)
    : QDialog(parent), m_image(image), m_prompts(prompts) {
    setObjectName(QStringLiteral("dlgModify"));
    setWindowTitle(tr("Modify "));
    setWindowModality(Qt::ApplicationModal);

    lblMode = makeLabel(this, "lblMode", QString());
    lblCH = makeLabel(this, "lblCH", QString());
    QFont bold = lblMode->font();
    bold.setBold(true);
    lblMode->setFont(bold);
    lblCH->setFont(bold);

    txtFreq = makeBox(this, "txtFreq", MHzBoxLength);
    txtFreq2 = makeBox(this, "txtFreq2", KHzBoxLength);
    txtFreq3 = makeBox(this, "txtFreq3", HzBoxLength);
    txtName = makeBox(this, "txtName", NameBoxLength);
    txtSP1 = makeBox(this, "txtSP1", MHzBoxLength);
    txtSP2 = makeBox(this, "txtSP2", KHzBoxLength);
    txtSP3 = makeBox(this, "txtSP3", HzBoxLength);
    lblName = makeLabel(this, "lblName", tr("Name"));
    lblSPFreq = makeLabel(this, "lblSPFreq", tr("Split Frequency"));
    lblMhz = makeLabel(this, "lblMhz", QStringLiteral("M"));
    lblKHz = makeLabel(this, "lblKHz", QStringLiteral("K"));
    lblHz = makeLabel(this, "lblHz", QStringLiteral("Hz"));
    chkSkip = new QCheckBox(tr("Skip"), this);
    chkSkip->setObjectName(QStringLiteral("chkSkip"));

    cmbMode = makeCombo(this, "cmbMode", EditModeItems());
    cmbGain = makeCombo(this, "cmbGain", EditGainItems());
    cmbAGC = makeCombo(this, "cmbAGC", EditAGCItems());
    cmbPower = makeCombo(this, "cmbPower", EditPowerItems());
    cmbFilter = makeCombo(this, "cmbFilter", EditFilterItems());
    cmbNB = makeCombo(this, "cmbNB", EditOnOffItems());
    cmbTone = makeCombo(this, "cmbTone", EditOnOffItems());

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    // Layout: the record's name, the frequency row, name and skip, the six lists, the split row, the buttons.
    auto *top = new QHBoxLayout;
    top->addWidget(lblMode);
    top->addSpacing(16);
    top->addWidget(lblCH);
    top->addStretch();

    // The three parts of each frequency are named by their unit and described by their row.
    const QString units[] = {tr("MHz"), tr("kHz"), tr("Hz")};
    QLineEdit *const parts[2][3] = {{txtFreq, txtFreq2, txtFreq3}, {txtSP1, txtSP2, txtSP3}};
    for (int row = 0; row < 2; ++row)
        for (int u = 0; u < 3; ++u) {
            QLineEdit *box = parts[row][u];
            box->setAccessibleName(units[u]);
            box->setAccessibleDescription(row == 0 ? tr("Frequency") : tr("Split Frequency"));
        }
    lblName->setBuddy(txtName);

    auto *freqRow = new QHBoxLayout;
    freqRow->addWidget(makeLabel(this, "Label1", tr("Frequency")));
    freqRow->addStretch();
    freqRow->addWidget(txtFreq);
    freqRow->addWidget(makeLabel(this, "lblM", QStringLiteral("M")));
    freqRow->addWidget(txtFreq2);
    freqRow->addWidget(makeLabel(this, "lblK", QStringLiteral("K")));
    freqRow->addWidget(txtFreq3);
    freqRow->addWidget(makeLabel(this, "lblH", QStringLiteral("Hz")));

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(lblName);
    nameRow->addWidget(txtName);
    nameRow->addStretch();
    nameRow->addWidget(chkSkip);

    auto *lists = new QGridLayout;
    const struct {
        const char *label;
        QComboBox *combo;
    } rows[] = {{QT_TR_NOOP("Mode"), cmbMode},     {QT_TR_NOOP("RF Gain"), cmbGain},
                {QT_TR_NOOP("AGC"), cmbAGC},       {QT_TR_NOOP("Power"), cmbPower},
                {QT_TR_NOOP("Filter"), cmbFilter}, {QT_TR_NOOP("Noise Blanker"), cmbNB},
                {QT_TR_NOOP("Tone"), cmbTone}};
    int i = 0;
    for (const auto &r : rows) {
        auto *label = new QLabel(tr(r.label), this);
        label->setBuddy(r.combo); // the label names its list for a screen reader
        lists->addWidget(label, i / 2, (i % 2) * 2);
        lists->addWidget(r.combo, i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    lists->setColumnMinimumWidth(2, 40);

    auto *splitRow = new QHBoxLayout;
    splitRow->addWidget(lblSPFreq);
    splitRow->addStretch();
    splitRow->addWidget(txtSP1);
    splitRow->addWidget(lblMhz);
    splitRow->addWidget(txtSP2);
    splitRow->addWidget(lblKHz);
    splitRow->addWidget(txtSP3);
    splitRow->addWidget(lblHz);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(freqRow);
    layout->addLayout(nameRow);
    layout->addLayout(lists);
    layout->addLayout(splitRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order follows the eye: the frequency, name and skip, the lists row by row, the split frequency,
    // the buttons.
    const QList<QWidget *> order{txtFreq, txtFreq2, txtFreq3, txtName,   chkSkip,     cmbMode,
                                 cmbGain, cmbAGC,   cmbPower, cmbFilter, cmbNB,       cmbTone,
                                 txtSP1,  txtSP2,   txtSP3,   OKButton,  CancelButton};
    for (int k = 0; k + 1 < order.size(); ++k)
        setTabOrder(order[k], order[k + 1]);
    txtName->setFixedWidth(NameBoxWidth(txtName));
    for (QLineEdit *box : {txtFreq, txtFreq2, txtFreq3, txtName})
        box->installEventFilter(this);

    connect(OKButton, &QPushButton::clicked, this, &DlgModify::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &DlgModify::CancelButton_Click);
}

EditFields DlgModify::fields() const {
    EditFields f;
    f.frequency = {txtFreq->text(), txtFreq2->text(), txtFreq3->text()};
    f.split = {txtSP1->text(), txtSP2->text(), txtSP3->text()};
    f.mode = cmbMode->currentIndex();
    f.gain = cmbGain->currentIndex();
    f.agc = cmbAGC->currentIndex();
    f.power = cmbPower->currentIndex();
    f.filter = cmbFilter->currentIndex();
    f.tone = cmbTone->currentIndex();
    f.nb = cmbNB->currentIndex();
    f.skip = chkSkip->isChecked();
    f.name = txtName->text();
    return f;
}

void DlgModify::setFields(const EditFields &f) {
    txtFreq->setText(f.frequency.mhz);
    txtFreq2->setText(f.frequency.khz);
    txtFreq3->setText(f.frequency.hz);
    cmbMode->setCurrentIndex(f.mode);
    cmbGain->setCurrentIndex(f.gain);
    cmbAGC->setCurrentIndex(f.agc);
    cmbPower->setCurrentIndex(f.power);
    cmbFilter->setCurrentIndex(f.filter);
    cmbTone->setCurrentIndex(f.tone);
    cmbNB->setCurrentIndex(f.nb);
    if (m_source == EditSource::Memory) {
        txtSP1->setText(f.split.mhz);
        txtSP2->setText(f.split.khz);
        txtSP3->setText(f.split.hz);
        chkSkip->setChecked(f.skip);
        txtName->setText(f.name);
    }
}

void DlgModify::openFor(EditSource source, int index) {
    m_source = source;
    m_index = index;
    const bool memory = source == EditSource::Memory;
    for (QWidget *w : std::initializer_list<QWidget *>{lblCH, lblName, txtName, chkSkip, lblSPFreq, txtSP1,
                                                       txtSP2, txtSP3, lblMhz, lblKHz, lblHz})
        w->setVisible(memory);
    if (memory) {
        lblMode->setText(shownBankCaption(index));
        lblCH->setText(ChannelLabel(index));
    } else {
        lblMode->setText(index == 0 ? QStringLiteral("VFO A") : QStringLiteral("VFO B"));
    }
    setFields(EditFieldsFor(*m_image, source, index));
    show();
    raise();
    activateWindow();
    focusFrequency();
}

void DlgModify::focusFrequency() {
    txtFreq->setFocus(Qt::OtherFocusReason);
    txtFreq->selectAll();
}

void DlgModify::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    focusFrequency();
}

void DlgModify::changeEvent(QEvent *event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) focusFrequency();
}

void DlgModify::OKButton_Click() {
    emit okPressed();
    QString message;
    if (!ApplyEditFields(*m_image, m_source, m_index, fields(), &message)) {
        m_prompts->critical(this, ErrorTitle, message);
        return;
    }
    hide();
    setResult(QDialog::Accepted);
    emit stored(m_source, m_index);
}

void DlgModify::CancelButton_Click() {
    reject();
}

bool DlgModify::frequencyKeyPress(QLineEdit *box, QLineEdit *next, QKeyEvent *event) {
    const QChar typed = typedChar(event);
    if (typed.isNull())
        return false; // keys that type nothing (arrows, Delete, Enter) keep their usual meaning
    const bool advance =
        next && FrequencyKeyAdvances(box->maxLength(), box->text().size(), box->selectedText().size());
    if (FrequencyKeyKept(typed))
        static_cast<QObject *>(box)->event(event); // the key lands in this box, then the focus moves on
    if (advance) next->setFocus(Qt::TabFocusReason);
    return true;
}

bool DlgModify::nameKeyPress(QKeyEvent *event) {
    const QChar typed = typedChar(event);
    if (typed.isNull()) return false;
    const QChar kept = FilterNameKey(typed);
    if (kept.isNull()) return true;
    if (kept == typed) {
        static_cast<QObject *>(txtName)->event(event);
    } else {
        QKeyEvent upper(QEvent::KeyPress, event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        QString(kept));
        static_cast<QObject *>(txtName)->event(&upper);
    }
    return true;
}

bool DlgModify::eventFilter(QObject *watched, QEvent *event) {
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (box == txtFreq) return frequencyKeyPress(txtFreq, txtFreq2, key);
        if (box == txtFreq2) return frequencyKeyPress(txtFreq2, txtFreq3, key);
        if (box == txtFreq3) return frequencyKeyPress(txtFreq3, nullptr, key);
        return nameKeyPress(key);
    }
    case QEvent::FocusIn:
        if (box != txtName) {
            static_cast<QObject *>(box)->event(event);
            box->selectAll();
            return true;
        }
        break;
    case QEvent::FocusOut:
        if (box == txtFreq)
            box->setText(CompleteMHzBox(box->text()));
        else if (box == txtFreq2 || box == txtFreq3)
            box->setText(CompleteThreeDigitBox(box->text()));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
