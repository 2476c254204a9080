// The windowed program: start-up, the message loop, the settings saved at exit.
#include "engine/Options.h"
#include "engine/ProgramFolder.h"
#include "ui/Unit1.h"

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        const std::string folder = ProgramFolder();
        const std::string settingsFolder = SettingsFolder();
        TOptions settings(settingsFolder + "options.ini");
        TOptions backup(settingsFolder + "options.ini", false);
        // Started minimised: only the notification icon until the user asks for more.
        const bool showMain = !settings.RunMinim;
        TMainForm mainForm(folder, settings, backup);
        mainForm.Create();
        mainForm.SetOptions();
        mainForm.GraphicsLoad();
        if (showMain)
            mainForm.ShowCentred();
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        settings.SaveOptions();
        return 0;
    } catch (const std::exception& error) {
        ShowError(nullptr, error.what());
        return 1;
    }
}
