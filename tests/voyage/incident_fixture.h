// The incidents on the headless host: the voyage screens' world, and a player who answers every
// letter, message box and OK box with Enter and notes which kind it was, in order.
#pragma once

#include <string>
#include <vector>

#include "tests/voyage/voyage_fixture.h"

class IncidentTest : public VoyageTest {
  protected:
    void SetUp() override;

    // "letter", "box" (a message box), "ok" (a screen's OK button), "ask" (a question).
    const std::vector<std::string>& answered() const { return reader_.kinds; }

  private:
    struct Reader {
        std::vector<std::string> kinds;
        uint32_t last_at = 0;
    };
    static void on_sleep(void* context);
    Reader reader_;
};
