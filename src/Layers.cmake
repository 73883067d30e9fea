# Which folders of src/ the code of each folder may include, besides its own: the
# layers run one way, document <- mapping <- editor <- panel, views, dialogs <- app,
# and platform implements the document's interfaces. Each library links exactly its
# row, and tests/layers checks every include line against the same rows.
set(TESSELO_LAYERS document mapping editor panel views dialogs platform app)

set(TESSELO_USES_document "")
set(TESSELO_USES_mapping document)
set(TESSELO_USES_editor document mapping)
set(TESSELO_USES_panel document mapping editor)
set(TESSELO_USES_views document mapping editor)
set(TESSELO_USES_dialogs document mapping editor)
set(TESSELO_USES_platform document)
set(TESSELO_USES_app document mapping editor panel views dialogs platform)
