// A CommandView that writes down what the control asks of it, one line per
// call, so that tests read as the sequence a user would see.
#pragma once

#include "command_view.h"

#include <string>
#include <vector>

class RecordingView : public CommandView {
  public:
    void DrawSkin(CommandSkin skin, bool InvertGradient) override {
        Log(std::string("draw ") + std::string(CommandSkinName(skin)) +
            (InvertGradient ? " inverted" : ""));
    }
    void ShowBackStyle(bool opaque) override { Log(opaque ? "opaque" : "transparent"); }
    void ShowCaptionEnabled(bool enabled) override {
        Log(enabled ? "caption enabled" : "caption greyed");
    }
    void ShowCaption(const std::string& text) override { Log("caption " + text); }
    void ShowFontColour(std::int32_t colour) override { Log("colour " + std::to_string(colour)); }
    void ShowFont(const StoredFont& font) override { Log("font " + font.name); }
    void StartMouseTimer(std::uint32_t interval) override {
        Log("timer " + std::to_string(interval));
    }
    void RaiseClick() override { Log("Click"); }
    void PropertyChanged(std::string_view name) override { Log("changed " + std::string(name)); }
    StoredFont AmbientFont() const override { return ambientFont; }

    // What was asked since the last call.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(log_);
        return taken;
    }

    StoredFont ambientFont;

  private:
    void Log(std::string line) { log_.push_back(std::move(line)); }

    std::vector<std::string> log_;
};
