#pragma once

#include <QDialog>

// The About box (dialog 114): program name, version and credits.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kDialogId = 114;

    explicit CAboutDlg(QWidget* parent = nullptr);
};
