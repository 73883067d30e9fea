# Which folders of src/ the code of each folder may include, besides its own: the
# layers run one way, document <- mapping <- editor <- panel, views, dialogs <- app,
# and platform implements the interfaces of the document and of the panel's dialogs.
# Each library links exactly its row, and tests/layers checks every include line against
# the same rows. A row may name one header of a folder instead of the folder: the
# library then sees that header alone and links nothing of its folder.
set(TESSELO_LAYERS document mapping editor panel views dialogs platform app)

set(TESSELO_USES_document "")
set(TESSELO_USES_mapping document)
set(TESSELO_USES_editor document mapping)
set(TESSELO_USES_panel document mapping editor)
set(TESSELO_USES_views document mapping editor panel/UiText.h)
set(TESSELO_USES_dialogs document mapping editor panel/UiText.h)
set(TESSELO_USES_platform document mapping panel/PanelDialogs.h panel/UiText.h)
set(TESSELO_USES_app document mapping editor panel views dialogs platform)

# The folders with widgets keep their handlers apart: the files named here (without
# extension) are the library tesselo_<folder>_handlers, which the widget library
# tesselo_<folder> links. A handler includes no widget of its folder.
set(TESSELO_HANDLERS_panel LengthText PanelDialogs PanelHandlers PanelLayout UnitChooser WebNames)
set(TESSELO_HANDLERS_views StyleListCommands SourceViews FloatingPanels WindowPlacement)
set(TESSELO_HANDLERS_dialogs SelectorBuilder)

# Plain C++, built without Qt: these folders and the handlers above. A Qt include there
# does not compile, and tests/layers names it.
set(TESSELO_WITHOUT_QT document mapping editor)
