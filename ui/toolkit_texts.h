#pragma once

namespace ranktally {

// Qt's own texts, such as a text box's menu (Undo, Cut, Copy, Paste, Select All), in the language
// in use, from the catalogues of Qt the system installs (on Debian, qt6-translations-l10n). Call
// with the application object up; a later call after a change of language follows it. English,
// the pseudo-language and a system without Qt's catalogues keep Qt's English. It translates none
// of the program's own texts.
void TranslateToolkitTexts();

}  // namespace ranktally
