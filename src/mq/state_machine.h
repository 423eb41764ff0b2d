// TsmStateMachine: a table-driven state machine that product modules derive from.
#pragma once

#include "afxdefs.h"

// One row of a transition table. A state is a run of rows ending with a terminator row whose
// `next` is null (its event and action are never looked at); the machine's state is the
// address of the first row of such a run, so a table is a set of runs that point at each other.
struct TsmTransition {
    int event;
    TsmTransition const *next;
    int action;
};

// Name-table entries for the product's tracing. The machine only keeps a pointer to each table
// and hands it back; by convention a table ends with an entry whose name is null.
struct TsmStateName {
    TsmTransition const *state;
    char const *name;
};

struct TsmEventName {
    int event;
    char const *name;
};

struct TsmActionName {
    int action;
    char const *name;
};

class AFX_EXT_CLASS TsmStateMachine {
public:
    // Starts in `initial` (null: no state; every event is ignored until state() sets one).
    TsmStateMachine(TsmTransition const *initial = 0);
    // Copy all six fields: last event, state, prior state and the three name tables.
    TsmStateMachine(TsmStateMachine const &other);
    TsmStateMachine &operator=(TsmStateMachine const &other);
    // Clears every field.
    virtual ~TsmStateMachine();

    // One step: remembers `event` as the last event, then takes the first row of the current
    // state that lists it, moves through state(row.next) and only then calls
    // action(row.action, argument). An event the state does not list changes nothing else. An
    // action that calls event() again runs the nested step at once, from the new state.
    virtual void event(int event, void *argument);
    // Makes the current state the prior state and `next` the current one. Every step goes
    // through here, so a derived class may override it to trace.
    virtual void state(TsmTransition const *next);
    // Carries out one action of the derived class's table.
    virtual void action(int action, void *argument) = 0;
    virtual void eventNames(TsmEventName *names);
    virtual void stateNames(TsmStateName *names);
    virtual void actionNames(TsmActionName *names);

    // The last event given to event(int, void *), whether or not a row matched; 0 before.
    int event() const;
    TsmTransition const *state() const;
    // The state before the last call of state(TsmTransition const *); null before.
    TsmTransition const *priorState() const;
    TsmEventName *eventNames() const;
    TsmStateName *stateNames() const;
    TsmActionName *actionNames() const;

private:
    int m_nLastEvent;
    TsmTransition const *m_pState;
    TsmTransition const *m_pPriorState;
    TsmStateName *m_pStateNames;
    TsmEventName *m_pEventNames;
    TsmActionName *m_pActionNames;
};
