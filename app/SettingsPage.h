#pragma once
// The Settings page ("Settings 1"): the 29 set-mode lists in their three columns, the VFO grid, the
// "Read Settings" / "Write Settings" buttons and the model frame with "Auto Select".
#include "image/CloneImage.h"
#include <QWidget>
#include <array>

class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;
class QTableView;
class VfoTableModel;

// The lists open at most this many items high.
constexpr int MaxVisibleListItems = 12;

class SettingsPage : public QWidget {
    Q_OBJECT
  public:
    SettingsPage(CloneImage *image, QWidget *parent = nullptr);

    // The lists follow image.Settings again (after a decode).
    void showSettings();
    // Selects option button variant the way a click does (variantSelected follows when it changes).
    void selectVariant(int variant);
    // The first selected option among 0, 1 and 2, else 3.
    int selectedVariant() const;
    // While a transfer runs the lists and the model options take no input.
    void setInputEnabled(bool enabled);

    QComboBox *combo(int list) const { return m_combos[list]; }
    QRadioButton *modelOption(int variant) const { return m_options[variant]; }

    QTableView *MSFlexGrid2;
    VfoTableModel *vfoModel;
    QPushButton *cmbRxData1;
    QPushButton *cmbTxData1;
    QPushButton *cmdAuto;

  signals:
    // A model option button became the selected one (by a click, an identification or a file).
    void variantSelected(int variant);
    // The user picked an item of list `list` (the image's selection already holds it).
    void settingPicked(int list);

  private:
    CloneImage *m_image;
    std::array<QComboBox *, SettingsListCount> m_combos{};
    std::array<QRadioButton *, 4> m_options{};
    QButtonGroup *m_modelGroup;
    QWidget *m_listArea;
    bool m_showing = false;
};
