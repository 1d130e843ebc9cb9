// A recording stand-in for the GL and GLU functions the scene calls, and for
// the platform's context routines: each call becomes one line of text, so a
// test can hold a whole call sequence against the expected one.
#pragma once

#include <string>
#include <vector>

// Forgets what was recorded and the pointer names.
void ResetGlRecording();

// The calls since the last reset or take, then forgets them.
std::vector<std::string> TakeGlCalls();

// Pointers given to GL are shown by these names; others as <pointer>.
void NameGlPointer(const void* pointer, const std::string& name);

// The next CreateGLContext fails (after recording what it obtained).
void FailNextGLContext();
