#pragma once
// The symbols of one library group, listed by name in columns. Each name the user picks is shown at
// once in the drawing as a preview, replacing the one before; OK hands back the last name picked. The
// objects of the last preview stay in the drawing list: the caller keeps or removes them.

#include "settings/settings_dialog.h"

#include <functional>
#include <string>

// The symbol file of a name in a group: the name and the group's extension for the units (".PLM",
// ".ELM", ".FUM", ".MSM" metric; ".PLI", ".ELI", ".FUI", ".MSI" feet and inches), in the LIBS folder.
std::string LibraryFileName(int units, int group, const std::string& name);

class TLiblistdlg : public SettingsDialog {
  public:
    static constexpr int Resource = 15500;
    // Adds the objects of a symbol file (a name from LibraryFileName) to the drawing list on the current
    // floor, saves the drawing and repaints the view's preview corner.
    using PreviewSymbol = std::function<void(const std::string& fileName)>;

    // `group` 1 plumbing, 2 electrical, 3 furniture, 4 miscellaneous.
    TLiblistdlg(int group, PreviewSymbol preview, int resourceId = Resource);

    void SetupWindow() override;
    void CmOk() override;
    void OnCommand(int id, int notification) override;
    // The user picked another name: the last preview's objects go, the picked symbol's come.
    void EvSelChange();

    std::string symbolName; // without extension; empty when none was picked
    int previewMark = 0;    // DrawingList's count when the dialog opened: previews are added from here

  private:
    std::string SelectedName() const;

    int group_;
    PreviewSymbol preview_;
};
