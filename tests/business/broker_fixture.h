// The broker's building on the headless host: fonts and pictures, the world at the start of a game,
// one shipowner "Hendrik" of company "Nordsee" with 4100 k$ who has never owned a ship, and a
// scripted visitor who, after every sleep, does the next step of a plan once the screen that step
// waits for is up. Message boxes are recorded as they appear.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

struct Ship;

// One message box as it was seen: where its OK button stood (it follows the box's size).
struct SeenBox {
    int32_t ok_left;
    int32_t ok_top;
    bool operator==(const SeenBox& o) const { return ok_left == o.ok_left && ok_top == o.ok_top; }
};
// Where the OK button of a box with these lines stands.
SeenBox box_for(std::initializer_list<const char*> lines);

class BrokerTest : public testing::Test {
  public:
    // What is up now.
    static bool message_box_up();
    static bool button_up(const char* label, int32_t x, int32_t y);
    static bool field_active(uint16_t id);
    static bool lift_panel_up() { return button_up("5", 50, 40); }
    static int32_t pixel(int32_t x, int32_t y);

  protected:
    void SetUp() override;
    void TearDown() override;

    // A step of the plan: once ready() holds (and a moment after the previous step's last input
    // was delivered), act() scripts input and returns the time of its last event. Steps with a
    // null ready() act at once.
    struct Step {
        std::function<bool()> ready;
        std::function<uint32_t()> act;
    };
    void plan(std::vector<Step> steps);
    // Called after every sleep, before the plan's next step (to look at frames as they pass).
    void watch(std::function<void()> f) { visitor_.watch = std::move(f); }
    // Step builders: keys typed one by one, a click, and raising g_quit.
    static Step keys(std::function<bool()> ready, std::string text);
    static Step click(std::function<bool()> ready, int32_t x, int32_t y);
    static Step quit(std::function<bool()> ready);

    // A ship of model appended to shipowner 0, named, with a mortgage.
    static Ship* add_ship(int32_t model, const char* name, int32_t condition, int32_t mortgage);

    int32_t steps_done() const { return visitor_.next; }
    const std::vector<SeenBox>& boxes() const { return visitor_.boxes; }

  private:
    struct Visitor {
        std::vector<Step> steps;
        int32_t next = 0;
        uint32_t last_input = 0;
        bool box_was_up = false;
        std::vector<SeenBox> boxes;
        std::function<void()> watch;
    };
    static void on_sleep(void* context);
    Visitor visitor_;
};
