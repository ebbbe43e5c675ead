#pragma once
// The two small settings dialogs: they only hold fields, which the main
// window reads and writes directly.

#include <QDialog>

#include "controls/LibControls.h"

namespace tolvane::gui {

class TPOPForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPOPForm(QWidget* parent = nullptr);

    TLibPanel* LibPanel2;
    TLibLabel* Label4;
    TLibEdit* Edit11;  // POP server
    TLibLabel* Label5;
    TLibEdit* Edit12;  // POP user ID
    TLibLabel* Label6;
    TLibEdit* Edit13;  // POP password
    TLibBtBtn* LibBtBtn2;

  public slots:
    void LibBtBtn2Click();
};

class TNETForm : public QDialog {
    Q_OBJECT
  public:
    explicit TNETForm(QWidget* parent = nullptr);

    TLibPanel* LibPanel2;
    TLibLabel* Label4;
    TLibCBox* LibCBox1;  // dial-up entry names and "ＬＡＮ接続"
    TLibLabel* Label5;
    TLibEdit* Edit12;  // dial-up user ID
    TLibLabel* Label6;
    TLibEdit* Edit13;  // dial-up password
    TLibBtBtn* LibBtBtn2;

  public slots:
    void LibBtBtn2Click();
};

// Borderless progress window shown while a dial-up is opened or closed.
class TNetDialgForm : public QDialog {
    Q_OBJECT
  public:
    explicit TNetDialgForm(QWidget* parent = nullptr);

    TLibPanel* LibPanel1;
    TLibPanel* LibPanel2;  // the phonebook entry
    TLibPanel* LibPanel3;  // middle line
    TLibPanel* LibPanel4;  // dial-up state text
    TLibBtBtn* LibBtBtn;   // "中　断"
    QWidget* ProgressBar;
    bool StopFlag = false;

  public slots:
    void LibBtBtnClick();

  protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace tolvane::gui
