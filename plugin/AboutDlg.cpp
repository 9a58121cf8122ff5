#include "plugin/Dialogs.h"
#include "plugin/Module.h"
#include "plugin/Resource.h"
#include "winui/DialogBase.h"

namespace {
class CAboutDialog : public CDialogBase {
protected:
    BOOL OnInit() override { return FALSE; }
    // OK, Enter, Esc and the close box all end it with 1.
    bool OnCommand(int, int id, HWND) override {
        if (id != IDOK && id != IDCANCEL)
            return false;
        End(1);
        return true;
    }
};
} // namespace

void ShowAbout(HWND owner) {
    CAboutDialog dialog;
    dialog.RunModal(g_instance, IDD_ABOUT, owner);
}
