#pragma once
// What the window's commands act on: the document, the questions they ask, the pages that show the image
// and the status line they report on. The window makes one and hands it to each class of commands.
#include "image/CloneDocument.h"
#include <functional>

class MemoryPage;
class QTabWidget;
class QWidget;
class SettingsPage;
class StatusLine;
class UserPrompts;

struct CommandContext {
    QWidget *window = nullptr; // what message boxes and dialogs belong to
    CloneDocument *document = nullptr;
    UserPrompts *prompts = nullptr;
    QTabWidget *tabs = nullptr;
    SettingsPage *settingsPage = nullptr;
    MemoryPage *memoryPage = nullptr;
    StatusLine *status = nullptr;
    // A transfer with the radio runs: nothing may change the data it moves.
    std::function<bool()> transferRunning;
    // The model option buttons follow the image's variant without counting as the user's model choice.
    std::function<void()> showVariant;
    // Every view follows the whole image again.
    std::function<void()> showImage;

    CloneImage &image() const { return document->image(); }
    bool busy() const { return transferRunning && transferRunning(); }
    // What a click on the Memory tab does.
    void showMemoryPage() const;
};
