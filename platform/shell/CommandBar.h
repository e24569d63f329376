// The command bar of dialogs without soft keys: a row of buttons along the
// bottom, each showing a text (and optionally an image) and sending its
// command id. A button may be a check button.
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

class QToolButton;

struct CommandBarButton {
    CommandBarButton(int commandId, QString caption, QIcon image = {}, bool isCheckable = false,
                     bool isChecked = false)
        : id(commandId),
          text(std::move(caption)),
          icon(std::move(image)),
          checkable(isCheckable),
          checked(isChecked)
    {
    }

    int id = 0;
    QString text;
    QIcon icon;
    bool checkable = false;
    bool checked = false;
};

class CommandBar : public QWidget {
    Q_OBJECT

public:
    explicit CommandBar(QWidget* parent = nullptr);
    CommandBar(const std::vector<CommandBarButton>& buttons, QWidget* parent = nullptr);

    // Appends a button; returns it. An id of 0 is refused (null result).
    QToolButton* AddButton(const CommandBarButton& button);
    QToolButton* Button(int id) const;
    std::vector<int> ButtonIds() const;

    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;

    // Presses the button as a tap would: a check button flips first.
    void Press(int id);

    // The bar's height on the device: 26 pixels at 96 dpi.
    static int BarHeight();
    QSize sizeHint() const override;

signals:
    void commandTriggered(int commandId);

private:
    std::vector<QToolButton*> m_buttons;
};
