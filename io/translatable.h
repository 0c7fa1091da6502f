// Marks a French text of the core that the window shows translated. The macro
// leaves the text as it is; the translation tools collect it under `context`
// (the window class that shows it), where the window looks it up.
#pragma once

#define KV_TRANSLATE_NOOP(context, text) text
