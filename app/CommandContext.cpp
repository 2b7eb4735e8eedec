#include "app/CommandContext.h"
#include "app/MemoryPage.h"
#include <QTabWidget>

void CommandContext::showMemoryPage() const {
    tabs->setCurrentWidget(memoryPage);
}
