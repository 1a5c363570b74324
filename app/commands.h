// The handlers of the main window's events.
#pragma once

namespace vantorel {

class MainWindow;

// Created: ends the program after one warning while the client runs;
// otherwise shows the window, pre-filled from the client's uninstall entry,
// with the caret in the member-name box.
void InitMainWindow(MainWindow& window);
bool IsClientRunning();

// The execute button: the execute command over this window.
void ExecuteButtonCommand(MainWindow& window);
void ExitCommand(MainWindow& window);
void BrowseCommand(MainWindow& window);
void OfficialSiteCommand(MainWindow& window);
void FeedbackCommand(MainWindow& window);
void BannerCommand(MainWindow& window);
void MainWindowClosing(MainWindow& window);

}  // namespace vantorel
