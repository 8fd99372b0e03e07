#pragma once

#include <QString>

namespace PennibarServer {

// Invite codes people can read out and type: ten characters of Crockford's Base32 (about 50
// random bits) shown as two blocks, "7KQ2M-X9D4T". Typing is forgiving: case, blanks, dashes,
// O for 0 and I or L for 1 do not matter.
class InviteCode
{
public:
    static QString generate();
    // The code in its stored form, or empty when the text cannot be a code.
    static QString normalized(const QString& typed);
};

} // namespace PennibarServer
