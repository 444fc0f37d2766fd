#pragma once

// Everything a view needs, in one include.
#include "kit/ui/Alignment.h"
#include "kit/ui/Angle.h"
#include "kit/ui/Canvas.h"
#include "kit/ui/Color.h"
#include "kit/ui/Controls.h"
#include "kit/ui/Environment.h"
#include "kit/ui/Frame.h"
#include "kit/ui/GeometryReader.h"
#include "kit/ui/Grids.h"
#include "kit/ui/Paint.h"
#include "kit/ui/Path.h"
#include "kit/ui/Shape.h"
#include "kit/ui/Stacks.h"
#include "kit/ui/StrokeStyle.h"
#include "kit/ui/Text.h"
#include "kit/ui/View.h"
