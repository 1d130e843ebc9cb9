// The settings dialog's rules, read through a view that writes down what it
// is asked to show, over a settings file in memory.
#include "settings_dialog_control.h"

#include "settings_file.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

const char* const kControlNames[] = {"MusicChoice", "TrackBox",  "FileButton",
                                     "HomePage",    "SetButton", "CancelButton"};

class RecordingDialogView final : public SettingsDialogView {
  public:
    void ShowMusicChoice(std::optional<int> chosen, int focusMark) override {
        Log("chosen " + (chosen ? std::to_string(*chosen) : std::string("none")) + " mark " +
            std::to_string(focusMark));
    }
    void EnableTrackBox(bool enabled) override { Log(enabled ? "track box on" : "track box off"); }
    void EnableFileButton(bool enabled) override { Log(enabled ? "... on" : "... off"); }
    void ShowTrackText(const std::string& text) override { Log("track text '" + text + "'"); }
    void FillTrackList(const std::vector<std::string>& entries) override {
        Log("track list of " + std::to_string(entries.size()) + " from '" + entries.front() +
            "' to '" + entries.back() + "'");
    }
    std::string TrackText() const override { return trackText; }
    void ShowFileCaption(const std::string& file) override { Log("file '" + file + "'"); }
    std::optional<std::string> ChooseMusicFile(const std::string& folder) override {
        Log("chooser in " + folder);
        return chooserAnswer;
    }
    void OpenHomePage() override { Log("home page"); }
    void MoveFocus(DialogControl control) override {
        Log(std::string("focus ") + kControlNames[int(control)]);
    }
    void Close() override { Log("close"); }

    Lines Take() {
        Lines taken;
        taken.swap(log_);
        return taken;
    }

    std::string trackText;
    std::optional<std::string> chooserAnswer;

  private:
    void Log(std::string line) { log_.push_back(std::move(line)); }

    Lines log_;
};

class SettingsFileInMemory final : public SettingsTarget {
  public:
    std::string ProgramFolder() const override { return "C:\\Saver"; }
    void IniWrite(const std::string&, const std::string& key, const std::string& value,
                  const std::string&) override {
        written.push_back(key + "=" + value);
    }

    Lines written;
};

class SettingsDialogRules : public ::testing::Test {
  protected:
    void SetUp() override { Load(kNoMusic, 0, ""); }

    void Load(std::int16_t kind, std::int16_t repeat, const std::string& file) {
        BgmKind = kind;
        BgmRepeat = repeat;
        BgmFile = file;
        BgmFolder = "C:\\Saver";
        dialog.Load();
    }

    // The keys in turn; what the dialog asked of the view meanwhile.
    Lines Press(std::initializer_list<DialogKey> keys) {
        view.Take();
        for (const DialogKey key : keys) EXPECT_TRUE(dialog.KeyPressed(key));
        return view.Take();
    }

    // The controls Tab visits from the music choice until it comes back.
    Lines TabRound(DialogKey key) {
        dialog.FocusArrived(DialogControl::MusicChoice);
        view.Take();
        Lines visited;
        for (int step = 0; step < 6 && (visited.empty() || visited.back() != "focus MusicChoice");
             ++step) {
            dialog.KeyPressed(key);
            for (const std::string& line : view.Take()) visited.push_back(line);
        }
        return visited;
    }

    static std::string Written(const char* key, const std::string& value) {
        return std::string(key) + "=" + value;
    }

    RecordingDialogView view;
    SettingsFileInMemory file;
    SettingsDialogControl dialog{view, file};
};

TEST_F(SettingsDialogRules, ALoadShowsTheChosenSourceWhatItEnablesTheTrackAndTheFile) {
    view.Take();
    Load(kAudioCd, 5, "D:\\a.mp3");
    EXPECT_EQ(view.Take(), Lines({"chosen 1 mark 1", "track box on", "... off", "track text '5'",
                                  "track list of 31 from '' to '30'", "file 'D:\\a.mp3'"}));
    EXPECT_EQ(dialog.Focus(), DialogControl::MusicChoice);

    Load(kMusicFile, 0, "");
    EXPECT_EQ(view.Take(), Lines({"chosen 2 mark 2", "track box off", "... on", "track text ''",
                                  "track list of 31 from '' to '30'", "file ''"}));
    Load(kNoMusic, -7, "");
    EXPECT_EQ(view.Take()[0], "chosen 0 mark 0");
}

// As a hand-edited file may hold: no source shows chosen, nothing is
// enabled, and confirming writes the kind back unchanged.
TEST_F(SettingsDialogRules, AStoredKindOutsideTheSourcesShowsNoneChosenAndIsWrittenBack) {
    view.Take();
    Load(7, 0, "");
    EXPECT_EQ(view.Take()[0], "chosen none mark 1");
    dialog.Confirm();
    EXPECT_EQ(file.written.front(), Written(kBgmKindKey, " 7"));
}

// The file and the typed track stay: confirming "なし" after a file was
// picked writes 0 with that file.
TEST_F(SettingsDialogRules, ChoosingASourceChangesOnlyTheKindAndWhatItEnables) {
    Load(kMusicFile, 3, "D:\\a.mp3");
    view.Take();
    dialog.ChooseMusicSource(kAudioCd);
    EXPECT_EQ(view.Take(), Lines({"chosen 1 mark 1", "track box on", "... off"}));
    dialog.ChooseMusicSource(kNoMusic);
    view.trackText = "3";
    view.Take();
    dialog.Confirm();
    EXPECT_EQ(file.written, Lines({Written(kBgmKindKey, " 0"), Written(kBgmRepeatKey, " 3"),
                                   Written(kBgmFileKey, "D:\\a.mp3")}));
    EXPECT_EQ(view.Take(), Lines({"close"}));
}

TEST_F(SettingsDialogRules, APickedFileIsShownAndTheChooserStartsInItsFolderNextTime) {
    Load(kAudioCd, 0, "");
    view.Take();
    dialog.ChooseFile();
    EXPECT_TRUE(view.Take().empty()) << "the chooser opens only for the music file";

    Load(kMusicFile, 0, "");
    view.Take();
    view.chooserAnswer = "E:\\Songs\\b.wav";
    dialog.ChooseFile();
    EXPECT_EQ(view.Take(), Lines({"chooser in C:\\Saver", "file 'E:\\Songs\\b.wav'"}));
    EXPECT_EQ(BgmFile, "E:\\Songs\\b.wav");

    view.chooserAnswer.reset();
    dialog.ChooseFile();
    EXPECT_EQ(view.Take(), Lines({"chooser in E:\\Songs"}));
    EXPECT_EQ(BgmFile, "E:\\Songs\\b.wav");
}

// Halves to the even track; no number, or one beyond 16 bits, plays the
// disc on.
TEST_F(SettingsDialogRules, ConfirmingStoresTheTypedTrackRounded) {
    const std::pair<const char*, const char*> typed[] = {
        {"2.5", " 2"}, {"3.5", " 4"}, {"abc", " 0"}, {"", " 0"}, {"40000", " 0"}, {"-2", "-2"}};
    for (const auto& [text, stored] : typed) {
        file.written.clear();
        view.trackText = text;
        dialog.Confirm();
        EXPECT_EQ(file.written.at(1), Written(kBgmRepeatKey, stored)) << text;
    }
}

TEST_F(SettingsDialogRules, TabVisitsOnlyTheEnabledControlsInOrder) {
    EXPECT_EQ(TabRound(DialogKey::Tab), Lines({"focus HomePage", "focus SetButton",
                                               "focus CancelButton", "focus MusicChoice"}));
    Load(kAudioCd, 0, "");
    EXPECT_EQ(TabRound(DialogKey::Tab),
              Lines({"focus TrackBox", "focus HomePage", "focus SetButton", "focus CancelButton",
                     "focus MusicChoice"}));
    Load(kMusicFile, 0, "");
    EXPECT_EQ(TabRound(DialogKey::ShiftTab),
              Lines({"focus CancelButton", "focus SetButton", "focus HomePage", "focus FileButton",
                     "focus MusicChoice"}));
}

// From a control Tab no longer visits (a disabled "..." clicked with the
// mouse), Tab goes on from its place in the order.
TEST_F(SettingsDialogRules, TabLeavesAControlItWouldNotVisit) {
    dialog.FocusArrived(DialogControl::FileButton);
    EXPECT_EQ(Press({DialogKey::Tab}), Lines({"focus HomePage"}));
    dialog.FocusArrived(DialogControl::FileButton);
    EXPECT_EQ(Press({DialogKey::ShiftTab}), Lines({"focus MusicChoice"}));
}

// Up and Left go up the panel (音楽CD, なし, MP3、WAV), Down and Right down,
// wrapping round; each choice as a click on its caption makes it.
TEST_F(SettingsDialogRules, ArrowsOnTheMusicChoiceChooseRoundThePanel) {
    EXPECT_EQ(Press({DialogKey::Up}), Lines({"chosen 1 mark 1", "track box on", "... off"}));
    EXPECT_EQ(BgmKind, kAudioCd);
    Press({DialogKey::Up});
    EXPECT_EQ(BgmKind, kMusicFile);
    Press({DialogKey::Down});
    EXPECT_EQ(BgmKind, kAudioCd);
    Press({DialogKey::Right, DialogKey::Right});
    EXPECT_EQ(BgmKind, kMusicFile);
    Press({DialogKey::Left});
    EXPECT_EQ(BgmKind, kNoMusic);
}

// As in a Windows radio group with nothing checked, the first source holds
// the focus: Space chooses it, Down the one after it.
TEST_F(SettingsDialogRules, WithNoSourceChosenTheArrowsStartFromTheFirst) {
    Load(-1, 0, "");
    Press({DialogKey::Down});
    EXPECT_EQ(BgmKind, kNoMusic);
    Load(-1, 0, "");
    Press({DialogKey::Space});
    EXPECT_EQ(BgmKind, kAudioCd);
}

TEST_F(SettingsDialogRules, ArrowsAndSpaceElsewhereAreLeftToTheControl) {
    Load(kAudioCd, 0, "");
    dialog.FocusArrived(DialogControl::TrackBox);
    for (const DialogKey key :
         {DialogKey::Up, DialogKey::Down, DialogKey::Left, DialogKey::Right, DialogKey::Space}) {
        EXPECT_FALSE(dialog.KeyPressed(key));
    }
    dialog.FocusArrived(DialogControl::HomePage);
    EXPECT_FALSE(dialog.KeyPressed(DialogKey::Space));
    EXPECT_EQ(BgmKind, kAudioCd);
}

// Leaving the CD with the focus in the track box: a disabled box cannot
// keep the focus, which goes back to the music choice.
TEST_F(SettingsDialogRules, ChoosingAwayFromAFocusedControlBringsTheFocusBack) {
    Load(kAudioCd, 0, "");
    dialog.FocusArrived(DialogControl::TrackBox);
    view.Take();
    dialog.ChooseMusicSource(kNoMusic);
    EXPECT_EQ(view.Take().back(), "focus MusicChoice");
    EXPECT_EQ(dialog.Focus(), DialogControl::MusicChoice);
}

// A focused button is clicked by Space and Enter, the link opened by Enter;
// Enter anywhere else confirms.
TEST_F(SettingsDialogRules, SpaceAndEnterClickAButtonEnterOpensTheLinkOrConfirms) {
    Load(kMusicFile, 0, "");
    dialog.FocusArrived(DialogControl::FileButton);
    EXPECT_EQ(Press({DialogKey::Space}), Lines({"chooser in C:\\Saver"}));
    EXPECT_EQ(Press({DialogKey::Enter}), Lines({"chooser in C:\\Saver"}));
    dialog.FocusArrived(DialogControl::CancelButton);
    EXPECT_EQ(Press({DialogKey::Enter}), Lines({"close"}));
    EXPECT_TRUE(file.written.empty());
    dialog.FocusArrived(DialogControl::SetButton);
    EXPECT_EQ(Press({DialogKey::Space}), Lines({"close"}));
    EXPECT_EQ(file.written.size(), 3u);

    file.written.clear();
    dialog.FocusArrived(DialogControl::HomePage);
    EXPECT_EQ(Press({DialogKey::Enter}), Lines({"home page"}));
    EXPECT_TRUE(file.written.empty());
    for (const DialogControl control : {DialogControl::MusicChoice, DialogControl::TrackBox}) {
        file.written.clear();
        dialog.FocusArrived(control);
        EXPECT_EQ(Press({DialogKey::Enter}), Lines({"close"}));
        EXPECT_EQ(file.written.size(), 3u);
    }
}

TEST_F(SettingsDialogRules, CancelAndEscapeCloseWritingNothing) {
    dialog.ChooseMusicSource(kAudioCd);
    dialog.FocusArrived(DialogControl::TrackBox);
    EXPECT_EQ(Press({DialogKey::Escape}), Lines({"close"}));
    dialog.Cancel();
    EXPECT_EQ(view.Take(), Lines({"close"}));
    EXPECT_TRUE(file.written.empty());
}

TEST_F(SettingsDialogRules, ActivationGivesTheFocusBackWhereItWas) {
    view.Take();
    dialog.Activated();
    dialog.FocusArrived(DialogControl::SetButton);
    dialog.Activated();
    EXPECT_EQ(view.Take(), Lines({"focus MusicChoice", "focus SetButton"}));
}

}  // namespace
