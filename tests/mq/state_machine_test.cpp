// TsmStateMachine: row choice, the order of state change and action, ignored events, nested
// steps, and the copied fields.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mq/state_machine.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

extern const TsmTransition kIdle[];
extern const TsmTransition kRunning[];
extern const TsmTransition kStopped[];
extern const TsmTransition kDead[];

// Event 1 is listed twice in kIdle: the first row must win. Terminators carry event numbers
// and actions that would match if a terminator were ever taken for a row.
const TsmTransition kIdle[] = {
    {1, kRunning, 10},
    {1, kStopped, 11},
    {2, kIdle, 12},
    {7, nullptr, 99},
};
const TsmTransition kRunning[] = {
    {3, kIdle, 13},
    {4, kStopped, 14},
    {5, kRunning, 15},
    {0, nullptr, 0},
};
const TsmTransition kStopped[] = {
    {6, kDead, 16},
    {0, nullptr, 0},
};
// A state whose first row is its terminator ignores every event, its own included.
const TsmTransition kDead[] = {
    {6, nullptr, 17},
};

// A machine that logs every change of state and every action, with what the accessors say at
// that moment.
class LoggingMachine : public TsmStateMachine {
public:
    using TsmStateMachine::event;
    using TsmStateMachine::state;

    explicit LoggingMachine(TsmTransition const *initial = nullptr) : TsmStateMachine(initial) {}

    void state(TsmTransition const *next) override
    {
        log.push_back("state " + nameOf(next));
        TsmStateMachine::state(next);
    }

    void action(int action, void *argument) override
    {
        log.push_back("action " + std::to_string(action) + " in " + nameOf(state()) + " from " +
                      nameOf(priorState()));
        arguments.push_back(argument);
        if (action == kNestedAction)
            event(4, argument);
    }

    static std::string nameOf(TsmTransition const *state)
    {
        if (state == kIdle)
            return "idle";
        if (state == kRunning)
            return "running";
        if (state == kStopped)
            return "stopped";
        if (state == kDead)
            return "dead";
        return state ? "?" : "none";
    }

    // When the action with this number runs, it sends event 4 to the machine.
    int kNestedAction = -1;
    std::vector<std::string> log;
    std::vector<void *> arguments;
};

TEST(TsmStateMachine, StartsWithItsInitialStateAndEmptyFields)
{
    LoggingMachine machine(kRunning);
    EXPECT_EQ(kRunning, machine.state());
    EXPECT_EQ(nullptr, machine.priorState());
    EXPECT_EQ(0, machine.event());
    EXPECT_EQ(nullptr, machine.stateNames());
    EXPECT_EQ(nullptr, machine.eventNames());
    EXPECT_EQ(nullptr, machine.actionNames());

    LoggingMachine stateless;
    EXPECT_EQ(nullptr, stateless.state());
}

struct StepRow {
    const char *name;
    TsmTransition const *start;
    int event;
    TsmTransition const *state;  // after the step
    TsmTransition const *prior;  // after the step
    std::vector<std::string> log;
};

TEST(TsmStateMachine, OneStepTakesTheFirstMatchingRowOrChangesNothing)
{
    const StepRow rows[] = {
        {"first of two rows for one event wins", kIdle, 1, kRunning, kIdle,
         {"state running", "action 10 in running from idle"}},
        {"a later row matches", kRunning, 4, kStopped, kRunning,
         {"state stopped", "action 14 in stopped from running"}},
        {"self-transition still passes through state()", kRunning, 5, kRunning, kRunning,
         {"state running", "action 15 in running from running"}},
        {"event not listed", kRunning, 1, kRunning, nullptr, {}},
        {"event of the terminator row", kIdle, 7, kIdle, nullptr, {}},
        {"state whose first row is a terminator", kDead, 6, kDead, nullptr, {}},
        {"no state", nullptr, 1, nullptr, nullptr, {}},
    };
    for (const StepRow &row : rows) {
        SCOPED_TRACE(row.name);
        LoggingMachine machine(row.start);
        int argument = 0;
        machine.event(row.event, &argument);
        EXPECT_EQ(row.event, machine.event());
        EXPECT_EQ(row.state, machine.state());
        EXPECT_EQ(row.prior, machine.priorState());
        EXPECT_THAT(machine.log, ElementsAreArray(row.log));
        if (!row.log.empty()) {
            EXPECT_THAT(machine.arguments, ElementsAre(&argument));
        }
    }
}

TEST(TsmStateMachine, IgnoredEventKeepsPriorStateOfTheLastRealStep)
{
    LoggingMachine machine(kIdle);
    machine.event(1, nullptr);
    machine.event(42, nullptr);
    EXPECT_EQ(42, machine.event());
    EXPECT_EQ(kRunning, machine.state());
    EXPECT_EQ(kIdle, machine.priorState());
    EXPECT_THAT(machine.log, ElementsAre("state running", "action 10 in running from idle"));
}

TEST(TsmStateMachine, RunsAWalkThroughTheTable)
{
    LoggingMachine machine(kIdle);
    for (int event : {2, 1, 5, 3, 1, 4, 6, 6, 1})
        machine.event(event, nullptr);
    const std::string expected[] = {
        "state idle",    "action 12 in idle from idle",
        "state running", "action 10 in running from idle",
        "state running", "action 15 in running from running",
        "state idle",    "action 13 in idle from running",
        "state running", "action 10 in running from idle",
        "state stopped", "action 14 in stopped from running",
        "state dead",    "action 16 in dead from stopped",
    };
    EXPECT_THAT(machine.log, ElementsAreArray(expected));
    EXPECT_EQ(kDead, machine.state());
    EXPECT_EQ(1, machine.event());
}

TEST(TsmStateMachine, ActionThatSendsAnEventRunsTheNestedStepFromTheNewState)
{
    LoggingMachine machine(kIdle);
    machine.kNestedAction = 10;
    machine.event(1, nullptr);
    EXPECT_THAT(machine.log,
                ElementsAre("state running", "action 10 in running from idle", "state stopped",
                            "action 14 in stopped from running"));
    EXPECT_EQ(kStopped, machine.state());
    EXPECT_EQ(kRunning, machine.priorState());
    EXPECT_EQ(4, machine.event());
}

TEST(TsmStateMachine, StateCallSetsAStartStateForAMachineWithout)
{
    LoggingMachine machine;
    machine.event(1, nullptr);
    machine.state(kIdle);
    machine.event(1, nullptr);
    EXPECT_EQ(kRunning, machine.state());
    EXPECT_EQ(kIdle, machine.priorState());
}

TEST(TsmStateMachine, NameTablesAreKeptAndHandedBack)
{
    TsmStateName states[] = {{kIdle, "Idle"}, {kRunning, "Running"}, {nullptr, nullptr}};
    TsmEventName events[] = {{1, "Start"}, {0, nullptr}};
    TsmActionName actions[] = {{10, "Begin"}, {0, nullptr}};
    LoggingMachine machine(kIdle);
    machine.stateNames(states);
    machine.eventNames(events);
    machine.actionNames(actions);
    EXPECT_EQ(states, machine.stateNames());
    EXPECT_EQ(events, machine.eventNames());
    EXPECT_EQ(actions, machine.actionNames());
}

TEST(TsmStateMachine, CopiesCarryAllSixFields)
{
    TsmStateName states[] = {{nullptr, nullptr}};
    TsmEventName events[] = {{0, nullptr}};
    TsmActionName actions[] = {{0, nullptr}};
    LoggingMachine original(kIdle);
    original.stateNames(states);
    original.eventNames(events);
    original.actionNames(actions);
    original.event(1, nullptr);
    original.event(9, nullptr);

    const auto expectCopy = [&](const LoggingMachine &copy) {
        EXPECT_EQ(9, copy.event());
        EXPECT_EQ(kRunning, copy.state());
        EXPECT_EQ(kIdle, copy.priorState());
        EXPECT_EQ(states, copy.stateNames());
        EXPECT_EQ(events, copy.eventNames());
        EXPECT_EQ(actions, copy.actionNames());
    };
    {
        SCOPED_TRACE("copy constructor");
        expectCopy(LoggingMachine(original));
    }
    {
        SCOPED_TRACE("assignment");
        LoggingMachine assigned(kDead);
        assigned = original;
        expectCopy(assigned);
    }
}

TEST(TsmTransition, AssignmentCopiesTheWholeRow)
{
    TsmTransition row = {0, nullptr, 0};
    row = kRunning[1];
    EXPECT_EQ(4, row.event);
    EXPECT_EQ(kStopped, row.next);
    EXPECT_EQ(14, row.action);

    TsmEventName name = {0, nullptr};
    const TsmEventName start = {1, "Start"};
    name = start;
    EXPECT_EQ(1, name.event);
    EXPECT_STREQ("Start", name.name);
}

}  // namespace
