#pragma once
// The desktop's own list of programs started at login, as far as it holds
// this program: an XDG autostart entry on Linux, the value VASPO under the
// Run key on Windows. The entry itself is the setting; nothing of it is kept
// anywhere else, so a change made in the desktop's settings counts too.

#include <QString>
#include <utility>

class Autostart {
public:
    // `place` moves the entry elsewhere (tests): the autostart folder on
    // Linux, the key that holds Run on Windows (below HKEY_CURRENT_USER).
    // Empty: where the desktop looks.
    explicit Autostart(QString place = {}) : place_(std::move(place)) {}

    // Whether the desktop starts a copy of this program at the next login.
    bool Enabled() const;
    // Makes the desktop start `program` (an absolute path) at login; false
    // when that could not be written.
    bool Enable(const QString& program) const;
    // False when an entry is left.
    bool Disable() const;
    // Where the entry lives, for the user.
    QString Location() const;

private:
    QString place_;
};
