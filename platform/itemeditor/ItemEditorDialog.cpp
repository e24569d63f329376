#include "platform/itemeditor/ItemEditorDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>

#include "platform/ink/InkStream.h"
#include "platform/itemeditor/AppointmentFields.h"
#include "platform/itemeditor/ItemEditorTexts.h"
#include "platform/itemeditor/TaskFields.h"
#include "platform/shell/MessageBox.h"
#include "platform/store/PoomApplication.h"
#include "platform/store/PoomItem.h"

namespace T = ItemEditorText;

ItemEditorDialog::ItemEditorDialog(PoomItem& item, QWidget* parent) : QDialog(parent), m_item(item)
{
    auto* form = new QFormLayout;
    if (PoomAppointment* appointment = item.AsAppointment()) {
        setWindowTitle(QString::fromUtf8(T::kAppointmentTitle));
        m_appointment = std::make_unique<AppointmentFields>(form, *appointment);
    } else if (PoomTask* task = item.AsTask()) {
        setWindowTitle(QString::fromUtf8(T::kTaskTitle));
        m_task = std::make_unique<TaskFields>(form, *task);
    }
    AddNotes(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Save)->setText(QString::fromUtf8(T::kSave));
    buttons->button(QDialogButtonBox::Save)->setObjectName("save");
    buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(T::kCancel));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The form scrolls so that the dialog fits a landscape screen too.
    auto* fields = new QWidget;
    fields->setLayout(form);
    auto* scroll = new QScrollArea;
    scroll->setWidget(fields);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
}

ItemEditorDialog::~ItemEditorDialog() = default;

void ItemEditorDialog::AddNotes(QFormLayout* form)
{
    m_notes = new QPlainTextEdit;
    m_notes->setObjectName("notes");
    const std::vector<uint8_t>& blob = m_item.BodyInk();
    if (std::optional<InkContent> ink = ReadInkStream(blob.data(), blob.size())) {
        m_ink = std::move(*ink);
        m_notes->setPlainText(QString::fromStdString(m_ink.text));
    } else {
        // Ink of another kind: shown as such and left alone.
        m_notes->setReadOnly(true);
        m_notes->setPlaceholderText(QString::fromUtf8(T::kForeignNotes));
    }
    m_notes->document()->setModified(false);
    form->addRow(QString::fromUtf8(T::kNotes), m_notes);
}

bool ItemEditorDialog::Refuse(const char* problem)
{
    MessageBox(this, QString::fromUtf8(problem), windowTitle(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool ItemEditorDialog::Save()
{
    const char* problem = m_appointment ? m_appointment->Problem() : m_task ? m_task->Problem() : "";
    if (*problem != '\0') return Refuse(problem);
    if (m_appointment) m_appointment->Write(*m_item.AsAppointment());
    if (m_task) m_task->Write(*m_item.AsTask());
    WriteNotes();
    if (!m_item.Save()) {
        const std::string reason = m_item.LastError().empty() ? T::kSaveFailed : m_item.LastError();
        return Refuse(reason.c_str());
    }
    return true;
}

void ItemEditorDialog::WriteNotes()
{
    if (!m_notes->document()->isModified()) return;
    m_ink.text = m_notes->toPlainText().toStdString();
    m_item.SetBodyInk(WriteInkStream(m_ink));
}

void ItemEditorDialog::accept()
{
    if (Save()) QDialog::accept();
}

void InstallItemEditor(PoomApplication& application, QWidget* parent)
{
    QPointer<QWidget> owner(parent);
    application.SetDisplayHandler([owner](PoomItem& item) {
        ItemEditorDialog dialog(item, owner.data());
        dialog.exec();
        return true;
    });
}
