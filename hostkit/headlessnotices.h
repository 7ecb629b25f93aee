#pragma once

class QString;

// Qt's offscreen and minimal platforms print a notice whenever a program asks
// for a window feature they lack ("This plugin does not support
// propagateSizeHints()"), and a headless session often has no runtime folder
// ("QStandardPaths: XDG_RUNTIME_DIR not set, ..."). Such notices say nothing
// about the program or the forms it shows; every other message does.
bool isHeadlessPlatformNotice(const QString &message);

// Installs a message handler that drops those notices and passes every other
// message on to the handler that was there before.
void muteHeadlessPlatformNotices();
