// TsmStateMachine.
#include "mq/state_machine.h"

namespace {

bool isTerminator(TsmTransition const &row)
{
    return row.next == nullptr;
}

// The first row of `state` that handles `event`, or null when the state does not list it.
TsmTransition const *findRow(TsmTransition const *state, int event)
{
    for (TsmTransition const *row = state; !isTerminator(*row); ++row) {
        if (row->event == event)
            return row;
    }
    return nullptr;
}

}  // namespace

TsmStateMachine::TsmStateMachine(TsmTransition const *initial)
    : m_nLastEvent(0),
      m_pState(initial),
      m_pPriorState(nullptr),
      m_pStateNames(nullptr),
      m_pEventNames(nullptr),
      m_pActionNames(nullptr)
{
}

TsmStateMachine::TsmStateMachine(TsmStateMachine const &other) = default;

TsmStateMachine &TsmStateMachine::operator=(TsmStateMachine const &other) = default;

TsmStateMachine::~TsmStateMachine()
{
    m_nLastEvent = 0;
    m_pState = nullptr;
    m_pPriorState = nullptr;
    m_pStateNames = nullptr;
    m_pEventNames = nullptr;
    m_pActionNames = nullptr;
}

void TsmStateMachine::event(int event, void *argument)
{
    m_nLastEvent = event;
    if (m_pState == nullptr)
        return;
    TsmTransition const *row = findRow(m_pState, event);
    if (row == nullptr)
        return;
    // The row lives in the derived class's constant table, so it outlasts the state change.
    state(row->next);
    action(row->action, argument);
}

void TsmStateMachine::state(TsmTransition const *next)
{
    m_pPriorState = m_pState;
    m_pState = next;
}

void TsmStateMachine::eventNames(TsmEventName *names)
{
    m_pEventNames = names;
}

void TsmStateMachine::stateNames(TsmStateName *names)
{
    m_pStateNames = names;
}

void TsmStateMachine::actionNames(TsmActionName *names)
{
    m_pActionNames = names;
}

int TsmStateMachine::event() const
{
    return m_nLastEvent;
}

TsmTransition const *TsmStateMachine::state() const
{
    return m_pState;
}

TsmTransition const *TsmStateMachine::priorState() const
{
    return m_pPriorState;
}

TsmEventName *TsmStateMachine::eventNames() const
{
    return m_pEventNames;
}

TsmStateName *TsmStateMachine::stateNames() const
{
    return m_pStateNames;
}

TsmActionName *TsmStateMachine::actionNames() const
{
    return m_pActionNames;
}
