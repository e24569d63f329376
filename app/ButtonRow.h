// The frame's row of nine image buttons along the bottom of the client area,
// used when soft keys are off. Edit/delete and weather refresh share a place;
// each view shows the ones it uses.
#pragma once

#include <QPoint>
#include <QSize>

#include <array>
#include <functional>

#include "resources/Artwork.h"

class CBitmapButtonEx;
class QWidget;

class ButtonRow {
public:
    // The buttons become children of `parent`; a click sends its command.
    ButtonRow(QWidget& parent, std::function<void(int commandId)> onCommand);
    ~ButtonRow();
    ButtonRow(const ButtonRow&) = delete;
    ButtonRow& operator=(const ButtonRow&) = delete;

    // Moves every button to its place for a client area of that size.
    void Layout(QSize client);
    // Where the button of the command goes in a client area of that size.
    static QPoint ButtonPosition(int commandId, QSize client);
    // The height of the strip the row covers at the bottom.
    static int StripHeight();

    // Edit and delete for the week view and the anniversary list, weather
    // refresh for the weather month view, neither for the lunar month view.
    void ShowForViewKind(int viewKind);
    void SetButtonVisible(int commandId, bool visible);

    CBitmapButtonEx* Button(int commandId) const;
    static constexpr const std::array<int, 9>& Commands() { return kButtonRowCommands; }

    static constexpr unsigned kNormalColor = 0x555555;
    static constexpr unsigned kPressedColor = 0x808080;

private:
    std::array<CBitmapButtonEx*, 9> m_buttons{};
};
