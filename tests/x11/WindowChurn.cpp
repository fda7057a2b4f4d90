#include "WindowChurn.h"

#include "XConnection.h"

WindowChurn::WindowChurn(Window parent)
    : thread(
          [this, parent]
          {
              XConnection client;
              while (running && client.isOpen())
              {
                  client.destroyWindow(client.createWindow(parent, 10, 10, true));
              }
          })
{
}

WindowChurn::~WindowChurn()
{
    running = false;
    thread.join();
}
