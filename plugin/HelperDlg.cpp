#include "plugin/Dialogs.h"
#include "plugin/HelperText.h"
#include "plugin/Module.h"
#include "plugin/Resource.h"
#include "plugin/ToolStart.h"
#include "winui/DialogBase.h"
#include "winui/FileDialog.h"

namespace {
class CHelperDialog : public CDialogBase {
public:
    explicit CHelperDialog(EditHelperRecord* record) : record(record) {}

protected:
    BOOL OnInit() override { return FALSE; }
    bool OnCommand(int, int id, HWND) override {
        switch (id) {
        case IDC_BROWSE:
            Browse();
            return true;
        case IDC_RUN_TOOL:
            StartTool(window);
            return true;
        case IDOK:
        case IDCANCEL:
            End(1);
            return true;
        }
        return false;
    }

private:
    // A chosen file's full path goes to the end of the host's text.
    void Browse() {
        FileDialogRequest request;
        request.owner = window;
        request.filter = "KYOMIファイル(*.kmb)|*.kmb|";
        request.defaultExtension = "kmb";
        request.flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        FileDialogResult chosen;
        if (AskOpenFileName(request, chosen))
            AppendPathToRecord(record, chosen.path.c_str());
    }

    EditHelperRecord* record;
};
} // namespace

void ShowHelper(HWND owner, EditHelperRecord* record) {
    CHelperDialog dialog(record);
    dialog.RunModal(g_instance, IDD_HELPER, owner);
}
