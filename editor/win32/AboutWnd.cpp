#include "editor/win32/AboutWnd.h"

#include "editor/Resource.h"
#include "winui/DialogBase.h"

namespace {
class CEditorAboutDialog : public CDialogBase {
protected:
    bool OnCommand(int, int id, HWND) override {
        if (id != IDOK && id != IDCANCEL)
            return false;
        End(id);
        return true;
    }
};
} // namespace

void ShowEditorAbout(HWND owner) {
    CEditorAboutDialog dialog;
    dialog.RunModal(reinterpret_cast<HINSTANCE>(GetModuleHandleA(nullptr)), IDD_EDITOR_ABOUT,
                    owner);
}
