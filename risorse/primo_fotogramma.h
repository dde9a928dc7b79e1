#pragma once

#include <functional>

class QWidget;

// Runs the action once, right after the window's first frame is on screen, for what that
// frame does without (the window icon). The window system's first exposure of the window
// is handled by painting the whole window and handing the frame over at once; the action
// runs at the end of that handling, before any other event, so it delays neither the map
// nor the first frame, and still comes in the same turn of the event loop as the frame.
void DopoIlPrimoFotogramma(QWidget* finestra, std::function<void()> azione);
