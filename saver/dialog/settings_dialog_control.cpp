#include "settings_dialog_control.h"

#include "guarded_step.h"
#include "path_routines.h"
#include "track_number.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

// The sources as they stand in the panel, from the top.
constexpr std::array<int, kMusicKindCount> kScreenOrder = {kAudioCd, kNoMusic, kMusicFile};

constexpr std::array<DialogControl, 6> kTabOrder = {
    DialogControl::MusicChoice, DialogControl::TrackBox,  DialogControl::FileButton,
    DialogControl::HomePage,    DialogControl::SetButton, DialogControl::CancelButton};

bool IsSource(int kind) {
    return kind >= 0 && kind < kMusicKindCount;
}

template <typename Item, std::size_t size>
int IndexOf(const std::array<Item, size>& items, Item item) {
    return int(std::find(items.begin(), items.end(), item) - items.begin());
}

// The neighbour `step` places on in a ring of `size`.
int Around(int index, int step, int size) {
    return ((index + step) % size + size) % size;
}

}  // namespace

void SettingsDialogControl::Load() {
    focus_ = DialogControl::MusicChoice;
    GuardedStep([&] { ShowChoice(); });
    GuardedStep([&] { view_.ShowTrackText(FormatTrackNumber(BgmRepeat)); });
    GuardedStep([&] { view_.FillTrackList(TrackListEntries()); });
    GuardedStep([&] { view_.ShowFileCaption(BgmFile); });
}

// A stored kind outside the sources shows none chosen and enables nothing.
void SettingsDialogControl::ShowChoice() {
    const std::optional<int> chosen =
        IsSource(BgmKind) ? std::optional<int>(BgmKind) : std::nullopt;
    view_.ShowMusicChoice(chosen, FocusMark());
    view_.EnableTrackBox(BgmKind == kAudioCd);
    view_.EnableFileButton(BgmKind == kMusicFile);
}

// Without a chosen source, the first in the panel holds the focus mark, as
// in a Windows radio group that has none checked.
int SettingsDialogControl::FocusMark() const {
    return IsSource(BgmKind) ? BgmKind : kScreenOrder.front();
}

void SettingsDialogControl::ChooseMusicSource(int source) {
    BgmKind = static_cast<std::int16_t>(source);
    ShowChoice();
    // A control just disabled cannot keep the focus.
    if (!CanFocus(focus_)) {
        focus_ = DialogControl::MusicChoice;
        view_.MoveFocus(focus_);
    }
}

void SettingsDialogControl::ChooseFile() {
    if (BgmKind != kMusicFile) return;
    GuardedStep([&] {
        const std::optional<std::string> file = view_.ChooseMusicFile(BgmFolder);
        if (!file) return;
        BgmFile = *file;
        view_.ShowFileCaption(BgmFile);
        BgmFolder = FolderOf(BgmFile);
    });
}

// The track text is taken even while the box is disabled, so a track loaded
// from the file survives a confirmation with another source.
void SettingsDialogControl::Confirm() {
    GuardedStep([&] { BgmRepeat = TrackNumberFromText(view_.TrackText()); });
    SaveSettings(settingsFile_);
    view_.Close();
}

void SettingsDialogControl::Cancel() {
    view_.Close();
}

bool SettingsDialogControl::CanFocus(DialogControl control) const {
    if (control == DialogControl::TrackBox) return BgmKind == kAudioCd;
    if (control == DialogControl::FileButton) return BgmKind == kMusicFile;
    return true;
}

void SettingsDialogControl::MoveFocusBy(int step) {
    const int from = IndexOf(kTabOrder, focus_);
    const int count = int(kTabOrder.size());
    for (int distance = 1; distance < count; ++distance) {
        const DialogControl next = kTabOrder[std::size_t(Around(from, step * distance, count))];
        if (!CanFocus(next)) continue;
        focus_ = next;
        view_.MoveFocus(focus_);
        return;
    }
}

// Round the sources in the panel's order, each step choosing the source it
// lands on, as the arrows do in a Windows radio group.
void SettingsDialogControl::StepMusicChoice(int step) {
    const int from = IndexOf(kScreenOrder, FocusMark());
    ChooseMusicSource(kScreenOrder[std::size_t(Around(from, step, kMusicKindCount))]);
}

// A Command button clicked from the keyboard.
bool SettingsDialogControl::Press(DialogControl control) {
    switch (control) {
        case DialogControl::FileButton:
            ChooseFile();
            return true;
        case DialogControl::SetButton:
            Confirm();
            return true;
        case DialogControl::CancelButton:
            Cancel();
            return true;
        default:
            return false;
    }
}

bool SettingsDialogControl::KeyPressed(DialogKey key) {
    const bool onChoice = focus_ == DialogControl::MusicChoice;
    switch (key) {
        case DialogKey::Tab:
            MoveFocusBy(1);
            return true;
        case DialogKey::ShiftTab:
            MoveFocusBy(-1);
            return true;
        case DialogKey::Escape:
            Cancel();
            return true;
        case DialogKey::Up:
        case DialogKey::Left:
            if (onChoice) StepMusicChoice(-1);
            return onChoice;
        case DialogKey::Down:
        case DialogKey::Right:
            if (onChoice) StepMusicChoice(1);
            return onChoice;
        case DialogKey::Space:
            if (onChoice) {
                ChooseMusicSource(FocusMark());
                return true;
            }
            return Press(focus_);
        case DialogKey::Enter:
            if (focus_ == DialogControl::HomePage) {
                view_.OpenHomePage();
                return true;
            }
            if (!Press(focus_)) Confirm();
            return true;
    }
    return false;
}
