// Marks a text of Qt-free code for translation without translating it: the text stays the Italian source, and the
// widget layer translates it where it is shown, in `context` (QCoreApplication::translate(context, text)).
#pragma once

#define PX_TRANSLATE_NOOP(context, text) text
