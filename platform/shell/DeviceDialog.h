// The dialogs of the handheld: a client area whose controls are placed in
// dialog units, a command surface along the bottom (the soft-key bar when the
// user chose soft keys, else a command bar of text buttons), the results
// 1 saved, 2 cancelled and 4 edit in the platform's own editor, and full-screen
// dialogs that cover their owner's client area.
#pragma once

#include <QDialog>

#include <vector>

#include "platform/shell/CommandBar.h"
#include "platform/shell/MenuDesc.h"

class SoftKeyBar;

inline constexpr int kDialogResultSaved = 1;
inline constexpr int kDialogResultCancelled = 2;
inline constexpr int kDialogResultPlatformEditor = 4;

class CDeviceDialog : public QDialog {
    Q_OBJECT

public:
    enum class Placement {
        FullScreen,  // covers the owner window's client area
        Popup,       // its template size, centred on the owner window
    };

    // `units`: the template's size in dialog units (the client, without the
    // command surface).
    CDeviceDialog(QWidget* owner, QSize units, Placement placement);

    // Soft keys from the menu resource when useSoftKey is set, otherwise a
    // command bar with the buttons. Calling it again replaces the surface.
    void SetCommands(bool useSoftKey, const MenuDesc& softKeys, const std::vector<CommandBarButton>& buttons);
    SoftKeyBar* SoftKeys() const { return m_softKeys; }
    CommandBar* Commands() const { return m_commandBar; }

    // Where the template's controls live; a dialog that draws everything may
    // put its own widget there.
    QWidget* Client() const { return m_client; }
    void SetClient(QWidget* client);
    // Gives the control the template's rectangle on the client.
    void Place(QWidget* control, int x, int y, int width, int height);

    // As a soft key or bar button would: runs the dialog's command.
    void Command(int commandId);

protected:
    // IDOK runs OnOK, IDCANCEL OnCancel; other ids are the dialog's own.
    virtual void OnCommand(int commandId);
    virtual void OnOK() { done(kDialogResultSaved); }
    virtual void OnCancel() { done(kDialogResultCancelled); }

    void reject() override;  // Escape and closing the window cancel
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceWindow();
    void LayOut();
    QWidget* Surface() const;

    QSize m_units;
    Placement m_placement;
    QWidget* m_client = nullptr;
    SoftKeyBar* m_softKeys = nullptr;
    CommandBar* m_commandBar = nullptr;
};
