#pragma once
// The step between the Text command and the text tool: how the text is to be placed.

class DrawingView;

// Saves the drawing, asks for the text's placement and direction, and sets the text tool up for them
// with its prompt: centred on the next click, or typed from the next click on.
void StartTextTool(DrawingView& view);
