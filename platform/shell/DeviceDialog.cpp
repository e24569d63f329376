#include "platform/shell/DeviceDialog.h"

#include <QResizeEvent>
#include <QShowEvent>

#include "platform/shell/DialogUnits.h"
#include "platform/shell/SoftKeyBar.h"

CDeviceDialog::CDeviceDialog(QWidget* owner, QSize units, Placement placement)
    : QDialog(owner), m_units(units), m_placement(placement), m_client(new QWidget(this))
{
    m_client->setObjectName(QStringLiteral("client"));
    setModal(true);
    if (placement == Placement::Popup)
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    PlaceWindow();
}

void CDeviceDialog::SetCommands(bool useSoftKey, const MenuDesc& softKeys, const std::vector<CommandBarButton>& buttons)
{
    delete m_softKeys;
    delete m_commandBar;
    m_softKeys = nullptr;
    m_commandBar = nullptr;
    if (useSoftKey) {
        m_softKeys = new SoftKeyBar(this);
        m_softKeys->SetMenu(softKeys);
        connect(m_softKeys, &SoftKeyBar::commandTriggered, this, &CDeviceDialog::Command);
    } else {
        m_commandBar = new CommandBar(buttons, this);
        connect(m_commandBar, &CommandBar::commandTriggered, this, &CDeviceDialog::Command);
    }
    Surface()->show();
    PlaceWindow();
    LayOut();
}

void CDeviceDialog::SetClient(QWidget* client)
{
    if (client == m_client || client == nullptr)
        return;
    delete m_client;
    m_client = client;
    m_client->setParent(this);
    m_client->show();
    LayOut();
}

void CDeviceDialog::Place(QWidget* control, int x, int y, int width, int height)
{
    control->setParent(m_client);
    control->setGeometry(DialogUnitsRect(x, y, width, height));
}

void CDeviceDialog::Command(int commandId) { OnCommand(commandId); }

void CDeviceDialog::OnCommand(int commandId)
{
    if (commandId == kDialogResultSaved)
        OnOK();
    else if (commandId == kDialogResultCancelled)
        OnCancel();
}

void CDeviceDialog::reject() { OnCancel(); }

void CDeviceDialog::showEvent(QShowEvent* event)
{
    PlaceWindow();
    QDialog::showEvent(event);
}

void CDeviceDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOut();
}

QWidget* CDeviceDialog::Surface() const
{
    if (m_softKeys != nullptr)
        return m_softKeys;
    return m_commandBar;
}

void CDeviceDialog::PlaceWindow()
{
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const int barHeight = Surface() != nullptr ? Surface()->sizeHint().height() : 0;
    if (m_placement == Placement::FullScreen && owner != nullptr) {
        // As on the handheld: the dialog takes the place of the frame's client area.
        setGeometry(QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size()));
        return;
    }
    const QSize size = DialogUnitsSize(m_units.width(), m_units.height()) + QSize(0, barHeight);
    resize(size);
    if (owner != nullptr) {
        const QRect area(owner->mapToGlobal(QPoint(0, 0)), owner->size());
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
}

void CDeviceDialog::LayOut()
{
    const int barHeight = Surface() != nullptr ? Surface()->sizeHint().height() : 0;
    const int clientHeight = std::max(0, height() - barHeight);
    m_client->setGeometry(0, 0, width(), clientHeight);
    if (QWidget* surface = Surface())
        surface->setGeometry(0, clientHeight, width(), barHeight);
}
