// The list commands: filled in with the commands themselves.
#include "editor/MainDialog.h"

void CMainDialog::Add() {}
void CMainDialog::Insert() {}
void CMainDialog::Edit() {}
void CMainDialog::Delete() {}
void CMainDialog::ClearAll() {}
void CMainDialog::MoveTop() {}
void CMainDialog::MoveUp() {}
void CMainDialog::MoveDown() {}
void CMainDialog::MoveBottom() {}
void CMainDialog::Copy() {}
void CMainDialog::Paste() {}
