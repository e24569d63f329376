#include "editors/OptionDlg.h"

#include <QTabWidget>

#include "editors/OptionPages.h"
#include "resources/DialogCommands.h"
#include "resources/Strings.h"
#include "settings/Settings.h"

COptionDlg::COptionDlg(QWidget* owner, Settings& settings)
    : CDeviceDialog(owner, QSize(156, 177), Placement::FullScreen), m_settings(settings)
{
    setWindowTitle(LoadString(IDS_OPTIONS_TITLE));
    m_sheet = new QTabWidget;
    m_sheet->setObjectName("sheet");
    m_pages = {new COptionCommonPage(settings), new COptionApptPage(settings), new COptionTaskPage(settings),
               new COptionFontPage(settings)};
    for (COptionPage* page : m_pages)
        m_sheet->addTab(page, page->Title());
    SetClient(m_sheet);
    SetSaveCancelCommands(*this, settings.m_UseSoftKey != 0);
}

void COptionDlg::OnOK()
{
    const int32_t runningSoftKey = m_settings.m_UseSoftKey;
    for (COptionPage* page : m_pages)
        page->SaveInto(m_settings);
    const int32_t pageSoftKey = m_settings.m_UseSoftKey;
    m_settings.m_UseSoftKey = runningSoftKey;
    SaveOptions(m_settings, pageSoftKey);
    done(kDialogResultSaved);
}
