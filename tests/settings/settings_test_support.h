#pragma once
// A fresh program for each settings test: an empty program folder with a CFG folder as ProgramDir, the
// start-up globals and a scripted desktop that answers the dialogs the test queues.

#include "model/drawing_list.h"
#include "model/shared_state.h"
#include "platform/desktop.h"
#include "platform/dialog.h"
#include "platform/scripted_desktop.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class SettingsTest : public testing::Test {
  protected:
    SettingsTest() {
        ResetSharedState();
        savedProgramDir_ = DrawingList.ProgramDir;
        DrawingList.ProgramDir = folder_.Path().string() + "/";
        std::filesystem::create_directories(folder_.Path() / "CFG");
        platform::InstallDesktop(&desktop_);
    }
    ~SettingsTest() override {
        platform::InstallDesktop(nullptr);
        DrawingList.ProgramDir = savedProgramDir_;
        DrawingList.DrawingName.clear();
        DrawingList.FontName.clear();
        ResetSharedState();
    }

    std::filesystem::path Cfg(const std::string& name) const { return folder_.Path() / "CFG" / name; }
    std::string ReadCfg(const std::string& name) const { return test_support::ReadFile(Cfg(name)); }
    void WriteCfg(const std::string& name, const std::string& bytes) const {
        test_support::WriteFile(Cfg(name), bytes);
    }
    bool CfgExists(const std::string& name) const { return std::filesystem::exists(Cfg(name)); }

    // A user's answer to a dialog: typed texts and clicked buttons, then a button.
    using Fill = platform::DialogAnswer::Fill;
    static Fill Type(int control, std::string text) {
        return {control, Fill::Kind::Text, std::move(text), 0};
    }
    static Fill Click(int control) { return {control, Fill::Kind::Check, "", 0}; }
    static Fill Clear(int control) { return {control, Fill::Kind::Uncheck, "", 0}; }
    void Answer(int resourceId, platform::DialogAnswer::Button button, std::vector<Fill> fills = {}) {
        desktop_.QueueDialog({resourceId, button, std::move(fills)});
    }
    void Ok(int resourceId, std::vector<Fill> fills = {}) {
        Answer(resourceId, platform::DialogAnswer::Button::Ok, std::move(fills));
    }
    void Cancel(int resourceId, std::vector<Fill> fills = {}) {
        Answer(resourceId, platform::DialogAnswer::Button::Cancel, std::move(fills));
    }
    void Help(int resourceId) { Answer(resourceId, platform::DialogAnswer::Button::Help); }

    // What control `control` of the last run of dialog `resourceId` showed when it opened: an edit's
    // text, a box or radio button ticked.
    std::string Shown(int resourceId, int control) const { return Opening(resourceId, control); }
    bool Ticked(int resourceId, int control) const { return Opening(resourceId, control) == "on"; }
    // The help contexts shown so far, in order.
    std::vector<int> HelpContextsShown() const {
        std::vector<int> contexts;
        for (const auto& [command, context] : desktop_.HelpShown())
            contexts.push_back(context);
        return contexts;
    }

    test_support::TempFolder folder_;
    platform::ScriptedDesktop desktop_;

  private:
    std::string Opening(int resourceId, int control) const {
        const std::map<int, std::string>* opening = desktop_.ControlsAtOpening(resourceId);
        if (!opening) {
            ADD_FAILURE() << "dialog " << resourceId << " never opened";
            return {};
        }
        auto it = opening->find(control);
        if (it == opening->end()) {
            ADD_FAILURE() << "dialog " << resourceId << " has no control " << control;
            return {};
        }
        return it->second;
    }

    std::string savedProgramDir_;
};

// A dialog watched from inside: what each control showed once SetupWindow had filled it, and after
// each OK whether the dialog stayed open and which control then had the focus.
template <typename DialogClass> class Watched : public DialogClass {
  public:
    using DialogClass::DialogClass;

    void SetupWindow() override {
        DialogClass::SetupWindow();
        for (const platform::ControlTemplate& control : this->Template().controls) {
            shownText[control.id] = this->GetControlText(control.id);
            shownTicked[control.id] = this->GetCheck(control.id);
            if (control.kind != platform::ControlKind::ListBox) continue;
            for (int i = 0; i < this->Host().ListCount(control.id); ++i)
                shownItems[control.id].push_back(this->Host().ListItem(control.id, i));
            shownColumnWidth[control.id] = this->Host().ListColumnWidth(control.id);
        }
    }
    void CmOk() override {
        DialogClass::CmOk();
        if (!this->Host().IsClosed()) refusedFocus.push_back(this->Host().FocusedControl());
    }

    std::map<int, std::string> shownText;
    std::map<int, bool> shownTicked;
    std::map<int, std::vector<std::string>> shownItems; // the entries of each list
    std::map<int, int> shownColumnWidth;
    std::vector<int> refusedFocus; // the focused control after each OK that was refused
};
