#pragma once
// The command ids of the menu, the toolbar and the command table, named after their menu items (the
// few without one after what they do). The values are those of menu resource 200 and the string table:
// scripts give commands by these numbers.

namespace command_id {

// File.
constexpr int New = 230;
constexpr int Open = 231;
constexpr int SaveAs = 232;
constexpr int RotateMirrorDrawings = 233;
constexpr int SaveAsBitmap = 235;
constexpr int Print = 250;
constexpr int PrinterSetup = 251;
constexpr int Exit = 24310;

// View.
constexpr int DisplayMode = 470;
constexpr int ShowOverlays = 343;
constexpr int GroundFloor = 330;
constexpr int FirstFloor = 331;
constexpr int SecondFloor = 332;
constexpr int RoomLayout = 344;
constexpr int FloorArea = 342;

// Zoom.
constexpr int ZoomUp = 500;
constexpr int FitOnScreen = 503;
constexpr int BackToNormal = 501;
constexpr int ShrinkByHalf = 502;

// Edit.
constexpr int Copy = 310;
constexpr int Paste = 311;
constexpr int MoveOrRotate = 312;
constexpr int ChangeTextNumber = 317; // also in Tools
constexpr int EraseDelete = 313;

// Tools.
constexpr int Line = 270;
constexpr int LinePlusText = 287;
constexpr int Arc = 275;
constexpr int Circle = 277;
constexpr int Ellipse = 276;
constexpr int DrawMultilines = 272;
constexpr int Rectangle = 278;
constexpr int RoundRect = 279;
constexpr int Text = 274;
constexpr int ChangeColour = 281;
constexpr int LineStyle = 282;
constexpr int Textsize = 285;

// Walls && Base.
constexpr int LengthenWall = 416;
constexpr int AlterBase = 417; // shortens an external wall
constexpr int SplitExternalWall = 422;
constexpr int ChangeExternalWallType = 426;
constexpr int DeleteExternalWall = 418;
constexpr int DrawInternalWall = 415;
constexpr int OpeningInternalWall = 378;
constexpr int ExpandFloorplan = 419;
constexpr int ShrinkFloorplan = 420;

// Design Rooms.
constexpr int NewDesignRoom = 520;
constexpr int MaxDesignRoomSize = 521;
constexpr int DeleteRoom = 522;
constexpr int ExpandRoom = 523;
constexpr int MoveRoom = 524;
constexpr int RotateRoom = 525;
constexpr int ShrinkRoom = 526;
constexpr int FinishDesignRooms = 527;
constexpr int ToggleLayoutGrid = 530;
constexpr int MarkExternalWalls = 413;

// Other.
constexpr int ManualDimension = 372;
constexpr int NewRoomFixed = 379;
constexpr int WindowAndExtnlDoors = 373;
constexpr int DoorInternal = 374;
constexpr int DoorsOtherInternal = 375;
constexpr int StairsInternal = 382;

// Customise.
constexpr int FloorPlanTitles = 471;
constexpr int DefaultLayoutGrid = 406;
constexpr int DesignRoomMerge = 424;
constexpr int DesignRoomColours = 423;
constexpr int DefaultColours = 405;
constexpr int DefDimensions = 403;
constexpr int DefaultDoors = 402;
constexpr int DefaultFont = 404;
constexpr int CalibratePrinter = 410;

// Libraries.
constexpr int AddToALibrary = 350;
constexpr int Plumbing = 351;
constexpr int Electrical = 352;
constexpr int Furniture = 353;
constexpr int Miscellaneous = 354;

// Help.
constexpr int Introduction = 529;
constexpr int Contents = 202;
constexpr int SearchFor = 208;
constexpr int ContextHelp = 203;
constexpr int Examples = 205;
constexpr int HintsReminders = 204;
constexpr int HowTo = 206;
constexpr int QuickStart = 207;
constexpr int About = 201;

// Toolbar buttons without a menu item.
constexpr int UndoLastObject = 430;
constexpr int FindCentreOfLine = 300;
constexpr int FindCentreOfRectangle = 301;
constexpr int SetDatumReferencePoint = 302;

// Reachable only through the command table.
constexpr int DeleteInternalWall = 217;
constexpr int Nothing = 280; // an empty handler
constexpr int CentreDrawing = 425;
constexpr int HelpTopic111 = 528;

} // namespace command_id
