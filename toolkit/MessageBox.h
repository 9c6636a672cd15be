#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { None, Exclamation, Information, Question, Stop };

// A modal message with an OK button, captioned with the application's name. Returns
// CForm::kOk once the user has answered.
int ShowMessage(QWidget* pParent, const QString& text, MessageIcon icon);
