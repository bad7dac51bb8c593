#pragma once

class TApplication;

// Start-up steps shared by the program and its tests.

// Before the application object exists: settings the page view needs (a shared OpenGL
// context, and no Chromium sandbox when running as root, which Chromium refuses).
void PrepareProcess();

// After the application object exists and before the main window: picture formats and
// component classes registered, the application-events dispatcher holding the message hook,
// the title and the program's icon set.
void InitializeApplication(TApplication &app);
