#include "ui/Unit4.h"

#include "ui/Unit1.h"

const char* const TResultsForm::ClassName = "THushmarkResults";

TResultsForm::TResultsForm(TMainForm& main) : Main(main) {}

TResultsForm::~TResultsForm() = default;

void TResultsForm::Create() {}

void TResultsForm::GraphicsLoad() {}

void TResultsForm::ClearAndShow() {}

void TResultsForm::Fill() {}

void TResultsForm::UpdateStatus() {}

LRESULT TResultsForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return TWindow::WndProc(message, wParam, lParam);
}
