#pragma once
// Telling the user about a problem with a model file.
//
// A notice always goes to standard error as one line, "Caption: text".  When
// an X display can be reached and HEXTOWER_NOTICE is not "console", it also
// shows a dialog with the caption as its title, the text and an OK button,
// and waits until Enter or a click on OK dismisses it.

using tNoticeFunction = void (*)(const char* szText, const char* szCaption);

// Shows a notice through the current notice function.
void ShowNotice(const char* szText, const char* szCaption);

// Replaces the notice function (tests record notices instead); returns the
// one it replaces.
tNoticeFunction SetNoticeFunction(tNoticeFunction pfnNotice);

// The standard notice function: the console line and, where possible, the
// dialog.
void ShowNoticeToUser(const char* szText, const char* szCaption);

// The console line alone, for programs that must never wait on a dialog.
void ShowNoticeOnConsole(const char* szText, const char* szCaption);

// Damage in a model file that still loaded is told on standard error alone,
// one line, never in a dialog.
using tDamageFunction = void (*)(const char* szLine);

// Tells the line through the current damage function.
void ReportDamage(const char* szLine);

// Replaces the damage function (tests and tools take the line in instead);
// returns the one it replaces.
tDamageFunction SetDamageFunction(tDamageFunction pfnDamage);

// The standard damage function: the line and a newline on standard error.
void WriteDamageLine(const char* szLine);
