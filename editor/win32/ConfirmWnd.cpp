#include "editor/win32/ConfirmWnd.h"

#include "editor/FindDialog.h"
#include "editor/Resource.h"
#include "winui/DialogBase.h"

namespace {
class CDeleteConfirmDialog : public CDialogBase {
public:
    CDeleteConfirmDialog(const std::string& messageText, bool allowAll)
        : messageText(messageText), allowAll(allowAll) {}

protected:
    BOOL OnInit() override {
        SetDlgItemTextA(window, IDC_CONFIRM_TEXT, ConfirmLineText(messageText).c_str());
        SendDlgItemMessageA(window, IDC_CONFIRM_ICON, STM_SETICON,
                            reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_QUESTION)), 0);
        EnableWindow(Item(IDC_ALL_YES), allowAll);
        return TRUE;
    }
    bool OnCommand(int, int id, HWND) override {
        if (id == IDC_ALL_YES && !allowAll)
            return true; // only while it is offered
        switch (id) {
        case IDYES:
        case IDNO:
        case IDC_ALL_YES:
        case IDCANCEL:
            End(id);
            return true;
        }
        return false;
    }

private:
    std::string messageText;
    bool allowAll;
};
} // namespace

int RunDeleteConfirm(HWND owner, const std::string& messageText, bool allowAll) {
    CDeleteConfirmDialog dialog(messageText, allowAll);
    const INT_PTR result = dialog.RunModal(reinterpret_cast<HINSTANCE>(GetModuleHandleA(nullptr)),
                                           IDD_DELETE_CONFIRM, owner);
    return result == IDYES || result == IDNO || result == IDC_ALL_YES ? static_cast<int>(result)
                                                                      : IDCANCEL;
}
