#include "ui/Unit2.h"

const char* const TOptionsForm::ClassName = "THushmarkOptions";

TOptionsForm::TOptionsForm(TMainForm& main) : Main(main) {}

TOptionsForm::~TOptionsForm() = default;

void TOptionsForm::Create() {}

void TOptionsForm::ShowModal(TOptionsPage) {}

void TOptionsForm::SetStatusHint(const std::string&) {}

LRESULT TOptionsForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return TWindow::WndProc(message, wParam, lParam);
}
