#pragma once

// What a component learns from the layout loader that creates it. The loader finds it with
// dynamic_cast, so a component takes part by deriving from it, and a misspelt hook does not
// compile (the class stays abstract).
//
// Loading() runs right after the component is created, before its first property; Loaded()
// runs once the whole file is applied (every component created, every property and reference
// set), for each component in creation order. A root object is not told: whoever loads a
// layout onto it calls its own completion hook afterwards (a form its Loaded, before OnCreate).
class TLayoutStatus {
public:
    virtual ~TLayoutStatus() = default;

    virtual void Loading() = 0;
    virtual void Loaded() = 0;
};
