// The client of the full-screen editing pages: the page title at the top
// left and a one-pixel black line across the page under it, both placed in
// 96-dpi pixels scaled for the screen.
#pragma once

#include <QString>
#include <QWidget>

class CTitledPage : public QWidget {
    Q_OBJECT

public:
    explicit CTitledPage(QString title, QWidget* parent = nullptr);
    const QString& Title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
};
