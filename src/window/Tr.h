#pragma once

// Marks a literal as words the panel shows or says. The core keeps its Japanese as the source text and
// stays free of the toolkit: the macro is the literal itself. The translation tools read it as
// QT_TRANSLATE_NOOP, and the shell looks the same literal up in the same context when it shows it.
#define YUNURI_TR(context, text) text
// The same literal with a second wording in another language, told apart by `disambiguation` (a shorter
// name where the room is small).
#define YUNURI_TR_AS(context, text, disambiguation) text
