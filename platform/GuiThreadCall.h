// Runs a call on the GUI thread without waiting for it: at once when the
// caller is the GUI thread, otherwise queued to the GUI thread's message
// loop. Without an application object (a program without a message loop)
// the process's first thread counts as the GUI thread, and a call from any
// other thread is dropped: there is no loop to hand it to. For data that arrives on a thread the program does not own
// (a callback of an external library) and must be handled where the
// components live, without locks.
//
// A queued call may run after the object it was meant for is gone: it must
// find its target again on the GUI thread (by a key, not by a pointer taken
// on the other thread). A call must not throw.
#pragma once
#include <functional>

namespace platform {

void RunOnGuiThread(std::function<void()> call);
bool OnGuiThread();

}  // namespace platform
