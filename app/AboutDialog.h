// The About box: the product name and the version of this build.
#pragma once

#include <QDialog>
#include <QString>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // "1.0.0", from the build.
    static QString VersionText();
};
