// The pick operations behind the main window's small buttons: what the pick dialog asks for
// (prompt and list bounds) and where the picked number goes. Portable; the dialog lives in win32/.
#pragma once
