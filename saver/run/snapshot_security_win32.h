// Who may do what with the snapshot's folder and files. Every account of a
// shared PC writes its own photograph into the one folder, and no account
// may read another's.
#pragma once

#include <windows.h>

#include <vector>

// What every account may do with the folder: pass through it, put a file
// into it, see that it is a folder, and delete or replace what is in it.
// Not list it, read its files or change its permissions.
inline constexpr DWORD kDropBoxRights =
    FILE_TRAVERSE | FILE_ADD_FILE | FILE_READ_ATTRIBUTES | FILE_DELETE_CHILD | SYNCHRONIZE;

// This process's account: its user.
class ThisAccount {
  public:
    ThisAccount();

    // False when the token could not be read; User() is then null.
    bool Known() const { return !user_.empty(); }
    PSID User() const;
    // True when owner is this account's user. A group is never this
    // account's own: the default owner that a token gives to what it makes
    // may be the Administrators group (for the built-in Administrator, or
    // with UAC off), which every administrator belongs to.
    bool Owns(PSID owner) const;

  private:
    std::vector<BYTE> user_;
};

// A security descriptor with a protected DACL that the saver gives to what
// it makes, built for the account that makes it. Its owner is that account's
// user, named outright rather than left to the token's default owner (see
// ThisAccount::Owns); the group is left to the system.
class SnapshotSecurity {
  public:
    enum class Kind {
        kDropBox,      // the folder
        kPrivateFile,  // the snapshot and its temporary files
    };

    SnapshotSecurity(Kind kind, PSID creator);
    SnapshotSecurity(const SnapshotSecurity&) = delete;
    SnapshotSecurity& operator=(const SnapshotSecurity&) = delete;

    // Null when the descriptor could not be made.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }
    SECURITY_DESCRIPTOR* Descriptor() { return &descriptor_; }
    ACL* Dacl() { return reinterpret_cast<ACL*>(acl_.data()); }

  private:
    std::vector<BYTE> owner_;
    std::vector<BYTE> acl_;
    SECURITY_DESCRIPTOR descriptor_ = {};
    SECURITY_ATTRIBUTES attributes_ = {};
    bool ready_ = false;
};

// True when dacl already makes a folder a drop box, with allowing entries
// only: every account may put files in, and nobody but creator and SYSTEM
// may do more.
bool IsDropBox(const ACL* dacl, PSID creator);
