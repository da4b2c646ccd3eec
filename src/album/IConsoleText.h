#pragma once

// Where the queue writes its read-outs: a console control's text by its control id (the
// number of songs into 7733, the current song's number into 7734). The console window
// implements it; a null sink means there is no console to write to.
class IConsoleText {
public:
    virtual ~IConsoleText() = default;
    virtual void SetConsoleText(int controlId, const char* text) = 0;
};
