#pragma once
// The program's file-open dialog: Qt's own file dialog with a panel below it
// that previews the start of the selected file.

#include "dialogs/programfiledialog.h"
#include "dialogs/textpreview.h"

#include <string>

class QCheckBox;
class QPlainTextEdit;

class COpenTextDialog : public ProgramFileDialog {
    Q_OBJECT
public:
    static constexpr int PreviewLimit = 1023;                // most bytes read for a preview
    static constexpr int TextProbeLength = kTextProbeLength; // leading bytes IsTextFile examines
    static constexpr int PanelHeight = 145;                  // pixels added to the dialog window

    explicit COpenTextDialog(QWidget* owner);

    // The panel; it exists from DoShow to DoClose.
    QPlainTextEdit* PreviewMemo = nullptr;
    QCheckBox* PreviewCheckBox = nullptr;

    // The full path of the item now current in the list; "" when none.
    std::string CurrentSelection() const;

    // Grows the window by the panel, centres it on the screen, builds the panel.
    void DoShow();
    // Removes the panel and gives its room back.
    void DoClose();
    // Previews the current item while the panel exists.
    void DoSelectionChange();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPreview(const std::string& file);
    void buildPanel(QSize client);
    void setPanelRoom(int extraHeight);

    QString m_current; // host path that the dialog last reported as current
};
