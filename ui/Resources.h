#pragma once

// Registers the icons compiled into the ui library; safe to call more than once.
void InitUiResources();
