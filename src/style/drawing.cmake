# Drawing helpers, layout metrics and the dialog overlay; included from CMakeLists.txt.
mirokit_add_classes(
    ZCEstiloDunmar
    ZCDrawer
    ZCFrameColor
    ZCOverlayShadowGui
    ZCDarkenEffectGui
)
