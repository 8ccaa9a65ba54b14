/* The FreeType modules the page's text needs: TrueType fonts (the sfnt
   tables and the bytecode hinter) and the monochrome rasteriser. */
FT_USE_MODULE( FT_Module_Class, sfnt_module_class )
FT_USE_MODULE( FT_Driver_ClassRec, tt_driver_class )
FT_USE_MODULE( FT_Renderer_Class, ft_raster1_renderer_class )
