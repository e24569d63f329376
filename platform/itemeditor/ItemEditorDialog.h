// The platform's own editor of an appointment or a task (what the item's
// Display opens): every stored property in one plain form, the notes as
// text. Save writes the changed fields and saves the item through the
// store, whose change notification then reaches every open view; Cancel
// writes nothing.
#pragma once

#include <QDialog>

#include <memory>

#include "platform/ink/InkContent.h"

class AppointmentFields;
class PoomItem;
class QFormLayout;
class QPlainTextEdit;
class TaskFields;

class ItemEditorDialog : public QDialog {
    Q_OBJECT
public:
    // The item is borrowed and must outlive the dialog.
    explicit ItemEditorDialog(PoomItem& item, QWidget* parent = nullptr);
    ~ItemEditorDialog() override;

    // Checks the fields, writes them and saves; false, after telling the user
    // why, when the item is not saved.
    bool Save();
    void accept() override;

private:
    void AddNotes(QFormLayout* form);
    void WriteNotes();
    bool Refuse(const char* problem);

    PoomItem& m_item;
    std::unique_ptr<AppointmentFields> m_appointment;
    std::unique_ptr<TaskFields> m_task;
    QPlainTextEdit* m_notes = nullptr;
    // Strokes stay with the notes whatever happens to their text.
    InkContent m_ink;
};

class PoomApplication;

// Makes PoomItem::Display of the application's items open this editor
// modally over `parent` (or on its own once `parent` is gone).
void InstallItemEditor(PoomApplication& application, QWidget* parent);
