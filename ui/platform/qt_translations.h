// Qt's own texts in Simplified Chinese: the message boxes' buttons, the input boxes' context
// menus and the file and print dialogs. The interface is Chinese whatever the machine's locale.
#pragma once

#include <QString>
#include <memory>

class QTranslator;

namespace belvik::ui {

// Qt's Simplified-Chinese translation from `directory`, or nullptr when it is not there; Qt's
// texts then stay in English and the program works as before.
std::unique_ptr<QTranslator> LoadQtChinese(const QString& directory);

// Installs Qt's translation from where this Qt keeps its translations, when it is there.
void UseQtChinese();

}  // namespace belvik::ui
