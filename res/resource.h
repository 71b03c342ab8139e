// Ids of the command module's dialog templates, controls and bitmaps (res/vur_cmd.rc).
// Numbers only: the resource tool reads this file as well as the compiler.
#pragma once

// Scrolling dialog container.
#define IDD_CMD_DLGCONTAINER            14013
#define IDD_CMD_DLGCONTAINER_CHILD      14015
#define IDC_PLACEHOLDER                 14119
#define IDC_CONTAINER_SCROLLBAR         14200
#define IDC_CONTAINER_CHILD_STATIC      14208

// Templates the dialog factory's rows name (factory/CmdDialogTable.cpp) whose dialogs are
// not in the resource script yet; a dialog built later keeps its row's id.
#define IDD_CMD_MEMB_LOAD_ASSIGN        14029
#define IDD_CMD_NAMED_SLAB_LOAD         14028
#define IDD_CMD_BEAM_LOAD_TYPE          14050
#define IDD_CMD_FIBER_MAT_ITEM          14052
#define IDD_CMD_FIBER_MAT_LIST          14053
#define IDD_CMD_NLLINK_LIST             14003
#define IDD_CMD_NLLINK_ITEM             14004
#define IDD_CMD_ANAL_EIGV               14151
#define IDD_CMD_ANAL_PDELTA             16194
#define IDD_CMD_PRJ_CONF                14721
#define IDD_CMD_PJST                    14723
#define IDD_CMD_DETAIL_SLAB             16257
#define IDD_CMD_BNDR_GRUP               14002
#define IDD_CMD_DEF_MEMBER_NAME         14283
#define IDD_CMD_LOAD_CASE               14027
#define IDD_CMD_WIND_REGION             16251
#define IDD_CMD_STRT_GRUP               9288
#define IDD_CMD_SELECT_IDENTITY         14077
#define IDD_CMD_UNSELECT_IDENTITY       16243
#define IDD_CMD_SELECT_ACTIVE_IDENTITY  16265
#define IDD_CMD_ANAL_CTRL               16176
#define IDD_CMD_ACTIVE_IDENTITY         10337
#define IDD_CMD_DETAIL_SLAB_DIR         14187
#define IDD_CMD_TOOLS                   16262
#define IDD_CMD_OUTLINE_DEFINE          14188

// Section editor (CCMSectItemDlg) and the number edit its pages share.
#define IDD_CMD_SECT_ITEM               14025
#define IDC_SECT_ITEM_TAB               14190
#define IDC_SECT_ITEM_CALC              14216
#define IDC_SECT_ITEM_APPLY             14258
#define IDC_SECT_ITEM_NUMBER            14155

// Section property table (CCMStiffDlg).
#define IDD_CMD_SECT_STIFF              14031
#define IDC_SECT_STIFF_GRID             14466
#define IDC_SECT_STIFF_OK               14467

// Levels page (a page of the levels dialog).
#define IDD_CMD_PLANSTORY_GENERAL2      16259
#define IDC_CMD_BTN_PLAN_ADD            16362
#define IDC_CMD_BTN_PLAN_INSERT         16363
#define IDC_CMD_BTN_PLAN_DELETE         16364
#define IDC_CMD_BTN_MDUL_ADD            16365
#define IDC_CMD_BTN_MDUL_INSERT         16366
#define IDC_CMD_BTN_MDUL_DELETE         16367
#define IDC_CMD_BTN_STOR_ADD            16368
#define IDC_CMD_BTN_STOR_INSERT         16369
#define IDC_CMD_BTN_STOR_DELETE         16370
#define IDC_CMD_GRID_PLAN               16371
#define IDC_CMD_EDIT_PLAN_NUM           16372
#define IDC_CMD_SPIN_PLAN_NUM           16373
#define IDC_CMD_GRID_MDUL               16374
#define IDC_CMD_EDIT_MDUL_NUM           16375
#define IDC_CMD_SPIN_MDUL_NUM           16376
#define IDC_CMD_GRID_STOR               16377
#define IDC_CMD_EDIT_STOR_NUM           16378
#define IDC_CMD_SPIN_STOR_NUM           16379
#define IDC_CMD_EDIT_STOR_HEIGHT        16380
#define IDC_CMD_TEXT_STOR_HEIGHT_UNIT   16381
#define IDC_CMD_EDIT_STOR_DL            16382
#define IDC_CMD_EDIT_STOR_LL            16383
#define IDC_CMD_CBX_STOR_PLAN           16384
#define IDC_CMD_TEXT_GRND_GL_UNIT       16388
#define IDC_CMD_TAB_MDUL                16391
#define IDC_CMD_BTN_GRND                16392
#define IDC_CMD_TEXT_STOR_LOAD_UNIT     16459
#define IDC_CMD_STATIC_GRND_GL          16495
#define IDC_CMD_STATIC_GRND_NUM         16496
#define IDC_CMD_STATIC_GRND_RELEASE     16497

// Basement dialog.
#define IDD_CMD_GRND                    16264
#define IDC_CMD_EDIT_STORY_NUM          16446
#define IDC_CMD_SPIN_STORY_NUM          16447
#define IDC_CMD_EDIT_GL                 16448
#define IDC_CMD_EDIT_RELEASE_NUM        16449
#define IDC_CMD_SPIN_RELEASE_NUM        16450
#define IDC_CMD_TEXT_GL_UNIT            16453

// Levels dialog and its story-material page (16362, 16377 and 16391 are also ids of the
// levels page's controls: the dialogs name them by template).
#define IDD_CMD_PLANSTORY_MAIN2         16258
#define IDD_CMD_PLANSTORY_STORMATL2     16260
#define IDC_CMD_TAB_MAIN                14118
#define IDC_CMD_BTN_MAIN_MATL           16362
#define IDC_CMD_BTN_MAIN_CLOSE          14442
#define IDC_CMD_TAB_MATL_MDUL           16391
#define IDC_CMD_GRID_STOR_MATL          16377

// Regular section page (CCMSectItemReg); its number edit is the editor pages' number edit (14155).
#define IDC_SECT_REG_NUMBER             14155
#define IDD_CMD_SECT_REG                14032
#define IDC_SECT_REG_NAME               14173
#define IDC_SECT_REG_PICTURE            14196
#define IDC_SECT_REG_VIEW               14218
#define IDC_SECT_REG_OFFSET_LABEL       14389
#define IDC_SECT_REG_OFFSET             14271
#define IDC_SECT_REG_SHAPE              14238
#define IDC_SECT_REG_USER               14493
#define IDC_SECT_REG_DB                 14494
#define IDC_SECT_REG_DBNAME             14468
#define IDC_SECT_REG_PROFILE            14475
#define IDC_SECT_REG_BUILTUP            14257
#define IDC_SECT_REG_CUT_FRAME          16461
#define IDC_SECT_REG_CUT_LABEL          16466
#define IDC_SECT_REG_CUT_FLAME          16462
#define IDC_SECT_REG_CUT_SHEAR          16463
#define IDC_SECT_REG_SINGLE_FRAME       14387
#define IDC_SECT_REG_SINGLE_LABEL       14490
#define IDC_SECT_REG_SINGLE_DB_LABEL    14491
#define IDC_SECT_REG_SINGLE_DB          14489
#define IDC_SECT_REG_SINGLE_SECT_LABEL  14492
#define IDC_SECT_REG_SINGLE_SECT        14488
#define IDC_SECT_REG_SIZE_FRAME         14388
#define IDC_SECT_REG_TITLE1             14476
#define IDC_SECT_REG_TITLE2             14477
#define IDC_SECT_REG_TITLE3             14478
#define IDC_SECT_REG_TITLE4             14479
#define IDC_SECT_REG_TITLE5             14480
#define IDC_SECT_REG_TITLE6             14481
#define IDC_SECT_REG_TITLE7             14496
#define IDC_SECT_REG_TITLE8             14502
#define IDC_SECT_REG_SIZE1              14469
#define IDC_SECT_REG_SIZE2              14470
#define IDC_SECT_REG_SIZE3              14471
#define IDC_SECT_REG_SIZE4              14472
#define IDC_SECT_REG_SIZE5              14473
#define IDC_SECT_REG_SIZE6              14474
#define IDC_SECT_REG_SIZE7              14498
#define IDC_SECT_REG_SIZE8              14504
#define IDC_SECT_REG_UNIT1              14482
#define IDC_SECT_REG_UNIT2              14483
#define IDC_SECT_REG_UNIT3              14484
#define IDC_SECT_REG_UNIT4              14485
#define IDC_SECT_REG_UNIT5              14486
#define IDC_SECT_REG_UNIT6              14487
#define IDC_SECT_REG_UNIT7              14500
#define IDC_SECT_REG_UNIT8              14505
#define IDC_SECT_REG_LIGHT_LABEL        14503
#define IDC_SECT_REG_PIECE_LABEL        14499
#define IDC_SECT_REG_PIECES             14495
#define IDC_SECT_REG_COMBO_LABEL        14501
#define IDC_SECT_REG_COMBO              14497
#define IDC_SECT_REG_PRESET_LABEL       16188
#define IDC_SECT_REG_PRESET             16187

// Value section page (CCMSectItemVal); its number edit is the editor pages' number edit (14155).
#define IDD_CMD_SECT_VALUE              14026
#define IDC_SECT_VAL_NAME               14173
#define IDC_SECT_VAL_SHAPE              14238
#define IDC_SECT_VAL_PICTURE            14196
#define IDC_SECT_VAL_OFFSET_LABEL       14389
#define IDC_SECT_VAL_OFFSET             14271
#define IDC_SECT_VAL_GRID               14290
#define IDC_SECT_VAL_MATL               14390
#define IDC_SECT_VAL_BUILTUP            14257
#define IDC_SECT_VAL_VIEW               14218

// Steel-reinforced-concrete section page (CCMSectItemSrc); its number edit is the editor
// pages' number edit (14155).
#define IDD_CMD_SECT_SRC                14034
#define IDC_SECT_SRC_NAME               14173
#define IDC_SECT_SRC_SHAPE              14238
#define IDC_SECT_SRC_PICTURE            14196
#define IDC_SECT_SRC_VIEW               14218
#define IDC_SECT_SRC_CONC_TITLE1        14431
#define IDC_SECT_SRC_CONC_TITLE2        14434
#define IDC_SECT_SRC_CONC_SIZE1         14415
#define IDC_SECT_SRC_CONC_SIZE2         14416
#define IDC_SECT_SRC_CONC_UNIT1         14436
#define IDC_SECT_SRC_CONC_UNIT2         14438
#define IDC_SECT_SRC_STEEL_FRAME        14441
#define IDC_SECT_SRC_USER               14493
#define IDC_SECT_SRC_DB                 14494
#define IDC_SECT_SRC_DBNAME             14468
#define IDC_SECT_SRC_PROFILE_LABEL      16346
#define IDC_SECT_SRC_PROFILE            14417
#define IDC_SECT_SRC_BUILTUP            14257
#define IDC_SECT_SRC_TITLE1             14476
#define IDC_SECT_SRC_TITLE2             14477
#define IDC_SECT_SRC_TITLE3             14478
#define IDC_SECT_SRC_TITLE4             14479
#define IDC_SECT_SRC_TITLE5             14480
#define IDC_SECT_SRC_TITLE6             14481
#define IDC_SECT_SRC_SIZE1              14469
#define IDC_SECT_SRC_SIZE2              14470
#define IDC_SECT_SRC_SIZE3              14471
#define IDC_SECT_SRC_SIZE4              14472
#define IDC_SECT_SRC_SIZE5              14473
#define IDC_SECT_SRC_SIZE6              14474
#define IDC_SECT_SRC_UNIT1              14482
#define IDC_SECT_SRC_UNIT2              14483
#define IDC_SECT_SRC_UNIT3              14484
#define IDC_SECT_SRC_UNIT4              14485
#define IDC_SECT_SRC_UNIT5              14486
#define IDC_SECT_SRC_UNIT6              14487
#define IDC_SECT_SRC_TWO_FRAME          9175
#define IDC_SECT_SRC_TWO_LABEL1         12949
#define IDC_SECT_SRC_TWO_LABEL2         12950
#define IDC_SECT_SRC_TWO_PROFILE1       9105
#define IDC_SECT_SRC_TWO_PROFILE2       9110
#define IDC_SECT_SRC_TWO_TITLE1         9096
#define IDC_SECT_SRC_TWO_TITLE2         9099
#define IDC_SECT_SRC_TWO_TITLE3         9103
#define IDC_SECT_SRC_TWO_TITLE4         9107
#define IDC_SECT_SRC_TWO_TITLE5         13407
#define IDC_SECT_SRC_TWO_TITLE6         13408
#define IDC_SECT_SRC_TWO_TITLE7         13409
#define IDC_SECT_SRC_TWO_TITLE8         13410
#define IDC_SECT_SRC_TWO_SIZE1          9081
#define IDC_SECT_SRC_TWO_SIZE2          9098
#define IDC_SECT_SRC_TWO_SIZE3          9100
#define IDC_SECT_SRC_TWO_SIZE4          9106
#define IDC_SECT_SRC_TWO_SIZE5          9108
#define IDC_SECT_SRC_TWO_SIZE6          9111
#define IDC_SECT_SRC_TWO_SIZE7          9113
#define IDC_SECT_SRC_TWO_SIZE8          9115
#define IDC_SECT_SRC_TWO_UNIT_LABEL     9097
#define IDC_SECT_SRC_TWO_UNIT           12951
#define IDC_SECT_SRC_MATL_BTN           14397
#define IDC_SECT_SRC_OFFSET_LABEL       14389
#define IDC_SECT_SRC_OFFSET             14271
#define IDC_SECT_SRC_MATL_FRAME         14440
#define IDC_SECT_SRC_MATL_DB            14426
#define IDC_SECT_SRC_ESEC_LABEL         14391
#define IDC_SECT_SRC_ESEC               14418
#define IDC_SECT_SRC_DSDC_LABEL         14392
#define IDC_SECT_SRC_DSDC               14419
#define IDC_SECT_SRC_PS_LABEL           14394
#define IDC_SECT_SRC_PS                 14420
#define IDC_SECT_SRC_PC_LABEL           14395
#define IDC_SECT_SRC_PC                 14428
#define IDC_SECT_SRC_CONV_LABEL         14396
#define IDC_SECT_SRC_CONV_STEEL         14424
#define IDC_SECT_SRC_CONV_CONC          14422

// Composite material dialog (CCMSectItemSrcCheckDlg).
#define IDD_CMD_SECT_SRC_MATL           14041
#define IDC_SRC_MATL_NUMBER             14398
#define IDC_SRC_MATL_NAME               14399
#define IDC_SRC_MATL_STEEL_CODE         14400
#define IDC_SRC_MATL_STEEL_GRADE        14402
#define IDC_SRC_MATL_CONC_CODE          14403
#define IDC_SRC_MATL_CONC_GRADE         14404
#define IDC_SRC_MATL_ESEC               14405
#define IDC_SRC_MATL_DSDC               14406
#define IDC_SRC_MATL_OK                 14467

// Section-shape pictures of the catalogue (CCMSectInfo), 25 x 25.
#define IDB_SHAPE_H                     14108
#define IDB_SHAPE_BOX                   14109
#define IDB_SHAPE_PIPE                  14110
#define IDB_SHAPE_CHANNEL               14111
#define IDB_SHAPE_TEE                   14112
#define IDB_SHAPE_ANGLE                 14113
#define IDB_SHAPE_DOUBLE_ANGLE          14115
#define IDB_SHAPE_DOUBLE_CHANNEL        14116
#define IDB_SHAPE_SOLID_RECT            14117
#define IDB_SHAPE_SOLID_ROUND           14118
#define IDB_SHAPE_CROSS                 14226
#define IDB_SHAPE_SRC_RBO               14069
#define IDB_SHAPE_SRC_RBC               14070
#define IDB_SHAPE_SRC_RPO               14071
#define IDB_SHAPE_SRC_RPC               14072
#define IDB_SHAPE_SRC_CBO               14073
#define IDB_SHAPE_SRC_CBC               14074
#define IDB_SHAPE_SRC_CPO               14075
#define IDB_SHAPE_SRC_CPC               14076
#define IDB_SHAPE_SRC_EBC               14077
#define IDB_SHAPE_SRC_EPC               14078
#define IDB_SHAPE_SRC_RHB               14079
#define IDB_SHAPE_SRC_CHB               14080
#define IDB_SHAPE_SRC_RCB               17446
#define IDB_SHAPE_SRC_RH2T              17449
#define IDB_SHAPE_TAPER_SOLID_RECT      14089
#define IDB_SHAPE_TAPER_H               14083
#define IDB_SHAPE_TAPER_TEE             14084
#define IDB_SHAPE_TAPER_BOX             14085
#define IDB_SHAPE_TAPER_PIPE            14086
#define IDB_SHAPE_TAPER_SOLID_ROUND     14090
#define IDB_SHAPE_VALUE_ANGLE           14056
#define IDB_SHAPE_VALUE_CHANNEL         14046
#define IDB_SHAPE_VALUE_H               14047
#define IDB_SHAPE_VALUE_TEE             14048
#define IDB_SHAPE_VALUE_BOX             14049
#define IDB_SHAPE_VALUE_PIPE            14050
#define IDB_SHAPE_VALUE_DOUBLE_ANGLE    14051
#define IDB_SHAPE_VALUE_DOUBLE_CHANNEL  14052
#define IDB_SHAPE_VALUE_SOLID_RECT      14053
#define IDB_SHAPE_VALUE_SOLID_ROUND     14054
#define IDB_SHAPE_COMB_2H               14008
#define IDB_SHAPE_COMB_HC1              14009
#define IDB_SHAPE_COMB_HC2              14010
#define IDB_SHAPE_COMB_HT               14011
#define IDB_SHAPE_COMB_2T1              14012
#define IDB_SHAPE_COMB_2T2              14013
#define IDB_SHAPE_COMB_H2T              14014
#define IDB_SHAPE_COMB_WOH              14015
#define IDB_SHAPE_COMB_2CW1             14022
#define IDB_SHAPE_COMB_2CW2             14023
#define IDB_SHAPE_COMB_1CW1             14024
#define IDB_SHAPE_COMB_1CW2             14025
#define IDB_SHAPE_COMB_4L               14026
#define IDB_SHAPE_COMB_HP               14027

// Shape pictures of the regular section page, 135 x 155, by shape index 0 to 11.
#define IDB_SECT_RC_L                   14239
#define IDB_SECT_RC_C                   14176
#define IDB_SECT_RC_H                   14235
#define IDB_SECT_RC_T                   14238
#define IDB_SECT_RC_B                   14240
#define IDB_SECT_RC_P                   14241
#define IDB_SECT_RC_2L                  17443
#define IDB_SECT_RC_2C                  14180
#define IDB_SECT_RC_SB                  14233
#define IDB_SECT_RC_SR                  14234
#define IDB_SECT_CR                     14173
#define IDB_SECT_RC_CC                  14237
#define IDB_SECT_STEEL_L                14248
#define IDB_SECT_STEEL_C                14246
#define IDB_SECT_STEEL_H                14243
#define IDB_SECT_STEEL_T                14247
#define IDB_SECT_STEEL_B                14244
#define IDB_SECT_STEEL_P                14245
#define IDB_SECT_STEEL_2L               14242
#define IDB_SECT_STEEL_2C               14251
#define IDB_SECT_STEEL_SB               14249
#define IDB_SECT_STEEL_SR               14250
#define IDB_SECT_STEEL_CC               14227

// Sizing pictures of the SRC section page, 135 x 155 (ids of bitmaps: 14257 and 14258 are
// also control ids, a separate kind of resource).
#define IDB_SECT_SRC_RH2T               14252
#define IDB_SECT_SRC_RBO                14253
#define IDB_SECT_SRC_RBC                14254
#define IDB_SECT_SRC_RPO                14255
#define IDB_SECT_SRC_RPC                14256
#define IDB_SECT_SRC_CBO                14257
#define IDB_SECT_SRC_CBC                14258
#define IDB_SECT_SRC_CPO                14259
#define IDB_SECT_SRC_CPC                14260
#define IDB_SECT_SRC_EBC                14261
#define IDB_SECT_SRC_EPC                14262
#define IDB_SECT_SRC_RCB                14263
#define IDB_SECT_SRC_RHB                14264
#define IDB_SECT_SRC_CHB                14265

// Model control dialog (CModelCtrlDlg).
#define IDD_CMD_MODEL_CTRL              16256
#define IDC_MC_CODE_NAME                16534
#define IDC_MC_CODE_BTN                 16535
#define IDC_MC_MATL                     14333
#define IDC_MC_STRUCT                   14287
#define IDC_MC_BK                       14330
#define IDC_MC_EDGE_BEAM                14331
#define IDC_MC_COUPLING                 14332
#define IDC_MC_CLASS_A                  16418
#define IDC_MC_CLASS_B                  16419
#define IDC_MC_AUTO_BASE                14311
#define IDC_MC_FIXED                    15690
#define IDC_MC_PINNED                   15692
#define IDC_MC_RIGID_ZONE               16349
#define IDC_MC_RIGID_ZONE_BTN           16356
#define IDC_MC_SLAB_MESH                16330
#define IDC_MC_TRANSFER_MESH            16331
#define IDC_MC_WALL_MESH                16332
#define IDC_MC_DETAIL_WALL_MESH         16333
#define IDC_MC_COUPLE_DOF               16334
#define IDC_MC_SLAB_MESH_UNIT           16335
#define IDC_MC_TRANSFER_MESH_UNIT       16336
#define IDC_MC_WALL_MESH_UNIT           16337
#define IDC_MC_DETAIL_WALL_MESH_UNIT    16338
#define IDC_MC_STAIR_MESH               16339
#define IDC_MC_STAIR_MESH_UNIT          16340
#define IDC_MC_WALL_OPENING_BTN         14314

// Design-code set dialog (CCmdUsedCodeDlg).
#define IDD_CMD_USED_CODE               14273
#define IDC_UC_OLD                      16524
#define IDC_UC_2010                     16525
#define IDC_UC_GRID                     16526

// Wall openings and coupling beams (CModelCtrlDataWBeamDlg).
#define IDD_CMD_MC_WALL_OPENING         16266
#define IDC_WO_IGNORE_B                 14121
#define IDC_WO_IGNORE_H                 14122
#define IDC_WO_H1                       14123
#define IDC_WO_H3                       14124
#define IDC_WO_NOEDGE_B                 14125
#define IDC_WO_NOEDGE_H                 14126
#define IDC_WO_IGNORE_B_UNIT            14180
#define IDC_WO_IGNORE_H_UNIT            14181
#define IDC_WO_H1_UNIT                  14182
#define IDC_WO_H3_UNIT                  14183
#define IDC_WO_NOEDGE_B_UNIT            14184
#define IDC_WO_NOEDGE_H_UNIT            14185
#define IDC_WO_FRAME_BEAM               16498
#define IDC_WO_RATIO_LABEL              16499
#define IDC_WO_RATIO                    16500
#define IDC_WO_OK                       14374
#define IDC_WO_CANCEL                   14377

// Loads-and-mass page (CModelCtrlDataMassDlg).
#define IDD_CMD_MC_MASS                 14037
#define IDC_MASS_DL                     15693
#define IDC_MASS_LL                     15695
#define IDC_MASS_DL_BTN                 15697
#define IDC_MASS_CONST_LOAD_RADIO       14318
#define IDC_MASS_CONST_PCT_RADIO        14319
#define IDC_MASS_CONST_LOAD             14289
#define IDC_MASS_CONST_LOAD_UNIT        14338
#define IDC_MASS_CONST_PCT              14291
#define IDC_MASS_CONST_PCT_LABEL        14339
#define IDC_MASS_SELF_WEIGHT            15699
#define IDC_MASS_SW_CASE                14355
#define IDC_MASS_SW_CASE_LABEL          14359
#define IDC_MASS_SW_CASE_BTN            14357
#define IDC_MASS_SW_FACTOR              15705
#define IDC_MASS_SW_FACTOR_LABEL        14368
#define IDC_MASS_AUTO_SLAB              15707
#define IDC_MASS_PATTERN                15701
#define IDC_MASS_PATTERN_FROM           14295
#define IDC_MASS_PATTERN_TO             14296
#define IDC_MASS_PATTERN_LABEL          15710
#define IDC_MASS_PATTERN_COLUMNS        14298
#define IDC_MASS_GRAVITY_REP            15703
#define IDC_MASS_REP_DL                 14292
#define IDC_MASS_REP_LL                 14329
#define IDC_MASS_REP_DL_LABEL           15711
#define IDC_MASS_REP_LL_LABEL           15713
#define IDC_MASS_SW_TO_MASS             16095
#define IDC_MASS_SW_TO_MASS_LABEL       15712
#define IDC_MASS_ABOVE_GROUND           16096
#define IDC_MASS_BELOW_GROUND           16097
#define IDC_MASS_WIND_BTN               14326
#define IDC_MASS_SEISMIC_BTN            14327
#define IDC_MASS_SW2MASS_COMBO          14293
#define IDC_MASS_OPTION_A               14315
#define IDC_MASS_OPTION_B               14317
#define IDC_MASS_OPTION_C               14385
#define IDC_MASS_OPTION_D               14299
#define IDC_MASS_OPTION_E               14301
#define IDC_MASS_OPTION_F               14361
#define IDC_MASS_OPTION_G               14363
#define IDC_MASS_OPTION_H               14320
#define IDC_MASS_OPTION_I               14321
#define IDC_MASS_OPTION_J               14323
#define IDC_MASS_OPTION_K               14324
#define IDC_MASS_OPTION_L               14325
#define IDC_MASS_OPTION_BTN             14328

// Beam-column rigid zones (CEtcPzefDlg). Button 14000 shares its number with the template.
#define IDD_CMD_PZEF                    14000
#define IDC_PZEF_AUTO                   14000
#define IDC_PZEF_BEAM_FACTOR            14001
#define IDC_PZEF_BEAM_BEFORE            14002
#define IDC_PZEF_BEAM_AFTER             14003
#define IDC_PZEF_NONE                   14006
#define IDC_PZEF_COLM_FACTOR            14008
#define IDC_PZEF_COLM_BEFORE            14009
#define IDC_PZEF_COLM_AFTER             14010
#define IDC_PZEF_BEAM_FACTOR_LABEL      16350
#define IDC_PZEF_COLM_FACTOR_LABEL      16351
#define IDC_PZEF_BEAM_POS_LABEL         16352
#define IDC_PZEF_BEAM_BOX               16353
#define IDC_PZEF_COLM_BOX               16354
#define IDC_PZEF_COLM_POS_LABEL         16355

// Shape pictures of the value section page, 135 x 155, by shape index 0 to 9 (ids of
// bitmaps: 14034 is also a dialog template's id, a separate resource).
#define IDB_SECT_VALUE_L                14044
#define IDB_SECT_VALUE_C                14034
#define IDB_SECT_VALUE_H                14035
#define IDB_SECT_VALUE_T                14036
#define IDB_SECT_VALUE_B                14037
#define IDB_SECT_VALUE_P                14038
#define IDB_SECT_VALUE_2L               14039
#define IDB_SECT_VALUE_2C               14040
#define IDB_SECT_VALUE_SB               14041
#define IDB_SECT_VALUE_SR               14042

// Standard-floor picker (CCmdPlanSelectDlg).
#define IDD_CMD_PLAN_SELECT             14154
#define IDC_PLAN_SELECT_UNSEL           17433
#define IDC_PLAN_SELECT_SEL             17434
#define IDC_PLAN_SELECT_RIGHT           17435
#define IDC_PLAN_SELECT_LEFT            17436
#define IDC_PLAN_SELECT_ALL_RIGHT       17441
#define IDC_PLAN_SELECT_ALL_LEFT        17442

// Model control data dialog (CModelCtrlDataDlg) and its pages: global data, mesh details,
// basement backfill. The global page shares the structure, material, factor and base
// support ids with the model control dialog.
#define IDD_CMD_MC_DATA                 14035
#define IDD_CMD_MC_DATA_GLOBAL          14036
#define IDD_CMD_MC_DATA_DETAIL          14038
#define IDD_CMD_MC_DATA_GROUND          16252
#define IDC_MCD_NEXT                    3
#define IDC_MCD_TAB                     14562
#define IDC_MCD_RIGID_SLAB              16278
#define IDC_MCD_TRANSFER_BEAM           14336
#define IDC_MCD_RC_EDIT                 15717
#define IDC_MCD_RC_COMBO                14334
#define IDC_MCD_RC_BTN                  14297
#define IDC_MCD_STEEL_EDIT              15718
#define IDC_MCD_STEEL_COMBO             14306
#define IDC_MCD_STEEL_BTN               14303
#define IDC_MCD_SRC_EDIT                15719
#define IDC_MCD_SRC_COMBO               14308
#define IDC_MCD_SRC_BTN                 14304
#define IDC_MCD_BC_RIGID                14335
#define IDC_MCD_TB_RIGID                14310
#define IDC_MCD_RIGID_BTN               14313
#define IDC_MCD_RESTRAIN                14312
#define IDC_MCD_RESTRAIN_COMBO          14300
#define IDC_MCD_DALL                    14348
#define IDC_MCD_DX                      14351
#define IDC_MCD_DY                      14354
#define IDC_MCD_DZ                      14356
#define IDC_MCD_RX                      14358
#define IDC_MCD_RY                      14360
#define IDC_MCD_RZ                      14362
#define IDC_MCD_RALL                    14366
#define IDC_MCD_SLAB_MESH               14552
#define IDC_MCD_WALL_MESH               14553
#define IDC_MCD_RETAIN_MESH             14556
#define IDC_MCD_COUPLING_MESH           14554
#define IDC_MCD_FOOTING_MESH            14555
#define IDC_MCD_MAX_WALL_HEIGHT         14285
#define IDC_MCD_SLAB_MESH_UNIT          14340
#define IDC_MCD_WALL_MESH_UNIT          14341
#define IDC_MCD_RETAIN_MESH_UNIT        14349
#define IDC_MCD_COUPLING_MESH_UNIT      14343
#define IDC_MCD_FOOTING_MESH_UNIT       14346
#define IDC_MCD_MAX_WALL_HEIGHT_UNIT    14383
#define IDC_MCD_SPLIT_BRACE             14284
#define IDC_MCD_GRAVITY                 14548
#define IDC_MCD_GRAVITY_UNIT            14549
#define IDC_MCD_INIT_TEMP               14550
#define IDC_MCD_INIT_TEMP_UNIT          14551
#define IDC_MCD_BACKFILL_STIFF          16279
#define IDC_MCD_BACKFILL_WEIGHT         16280
#define IDC_MCD_WATER_LEVEL             16281
#define IDC_MCD_BACKFILL_PRESS          16282
#define IDC_MCD_SURCHARGE               16283
#define IDC_MCD_BACKFILL_WEIGHT_UNIT    16284
#define IDC_MCD_WATER_LEVEL_UNIT        16285
#define IDC_MCD_SURCHARGE_UNIT          16286

// Current standard-floor dialog (CCmdChangeCurPlanDlg).
#define IDD_CMD_CHANGE_CUR_PLAN         14016
#define IDC_CHANGE_CUR_PLAN_COMBO       14268
#define IDC_CHANGE_CUR_PLAN_APPLY       14258

// Wall-opening type import (CModelPropTwopImport).
#define IDD_CMD_TWOP_IMPORT             14155
#define IDC_TWOP_LIST                   14114
#define IDC_TWOP_CHOSEN                 14127
#define IDC_TWOP_MOVE_RIGHT             14050
#define IDC_TWOP_MOVE_LEFT              14068
#define IDC_TWOP_ALL                    14085
#define IDC_TWOP_NONE                   14100
#define IDC_TWOP_KEEP                   14140
#define IDC_TWOP_RENUMBER               14149
#define IDC_TWOP_START_LABEL            14009
#define IDC_TWOP_START                  14159
#define IDC_TWOP_START_SPIN             14167

// Property sheet of materials, sections and thicknesses (CModelDefProperty): the tab control,
// the page placeholder (IDC_PLACEHOLDER) and Close; its three list pages.
#define IDD_CMD_MODEL_DEF_PROPERTY      14019
#define IDC_MP_SHEET_TAB                14190
#define IDC_MP_SHEET_CLOSE              14442
#define IDD_CMD_MP_MATL_PAGE            14020
#define IDD_CMD_MP_SECT_PAGE            14021
#define IDD_CMD_MP_THIK_PAGE            14023
#define IDC_MP_MATL_LIST                14152
#define IDC_MP_SECT_LIST                14153
#define IDC_MP_THIK_LIST                14414
// Add, Edit, Delete and Copy of the material and thickness pages, and of the section page.
#define IDC_MP_BTN_ADD                  14167
#define IDC_MP_BTN_EDIT                 14192
#define IDC_MP_BTN_DELETE               14212
#define IDC_MP_BTN_COPY                 14234
#define IDC_MP_SECT_ADD                 14199
#define IDC_MP_SECT_EDIT                14221
#define IDC_MP_SECT_DELETE              14241
#define IDC_MP_SECT_COPY                14260
#define IDC_MP_SECT_PREVIEW             14169

// Apply of the material and thickness editors.
#define IDC_MP_APPLY                    14258

// Material editor (CModelPropMatlDlg).
#define IDD_CMD_PROP_MATL               14022
#define IDC_MP_MATL_NUMBER              14171
#define IDC_MP_MATL_NAME                14194
#define IDC_MP_MATL_TYPE                14214
#define IDC_MP_MATL_PICTURE             14411
#define IDC_MP_CONC_GROUP               16330
#define IDC_MP_CONC_CODE_LABEL          16331
#define IDC_MP_CONC_GRADE_LABEL         16332
#define IDC_MP_CONC_CODE                14409
#define IDC_MP_CONC_GRADE               14410
#define IDC_MP_STEEL_GROUP              14207
#define IDC_MP_STEEL_CODE_LABEL         16333
#define IDC_MP_STEEL_GRADE_LABEL        16334
#define IDC_MP_STEEL_CODE               14407
#define IDC_MP_STEEL_GRADE              14408
#define IDC_MP_PROP_BOX                 16186
#define IDC_MP_CONC_TITLE               14413
#define IDC_MP_STEEL_TITLE              14412
#define IDC_MP_CONC_E                   14302
#define IDC_MP_STEEL_E                  14236
#define IDC_MP_E_UNIT                   14313
#define IDC_MP_CONC_POISSON             14376
#define IDC_MP_STEEL_POISSON            14255
#define IDC_MP_POISSON_UNIT             14322
#define IDC_MP_CONC_THERMAL             14393
#define IDC_MP_STEEL_THERMAL            14269
#define IDC_MP_THERMAL_UNIT             14336
#define IDC_MP_CONC_WEIGHT              14401
#define IDC_MP_STEEL_WEIGHT             14288
#define IDC_MP_WEIGHT_UNIT              14353
#define IDC_MP_CONC_STRENGTH            16335
#define IDC_MP_FCK_LABEL                16336
#define IDC_MP_FC_LABEL                 16337
#define IDC_MP_FTK_LABEL                16338
#define IDC_MP_FT_LABEL                 16339
#define IDC_MP_FCK_UNIT                 16340
#define IDC_MP_FTK_UNIT                 16341
#define IDC_MP_FCK                      16289
#define IDC_MP_FTK                      16290
#define IDC_MP_FC                       16291
#define IDC_MP_FT                       16292
#define IDC_MP_FC_UNIT                  16293
#define IDC_MP_FT_UNIT                  16295
#define IDC_MP_CONC_STD_HEAD            16461
#define IDC_MP_CONC_DESIGN_HEAD         16462
#define IDC_MP_STEEL_STRENGTH           16398
#define IDC_MP_FAK_LABEL                16399
#define IDC_MP_FA_LABEL                 16409
#define IDC_MP_FAK_UNIT                 16410
#define IDC_MP_STEEL_STD_HEAD           16460
#define IDC_MP_STEEL_DESIGN_HEAD        16402
#define IDC_MP_FAK                      16294
#define IDC_MP_FA                       16298
#define IDC_MP_FA_UNIT                  16297
#define IDC_MP_DAMPING                  14402
#define IDC_MP_DAMPING_LABEL            16536

// Material type pictures, 121 x 70, by type index: steel, RC, SRC, user defined.
#define IDB_MP_TYPE_STEEL               14029
#define IDB_MP_TYPE_RC                  14030
#define IDB_MP_TYPE_SRC                 14031
#define IDB_MP_TYPE_USER                14032

// Thickness editor (CModelPropThikDlg).
#define IDD_CMD_PROP_THIK               16261
#define IDC_MP_THIK_NUMBER              14421
#define IDC_MP_THIK_NAME                14423
#define IDC_MP_THIK_THICK               14437
#define IDC_MP_THIK_UNIT                14439

// Section stiffness scale factors (CCMSectScaleFactorDlg).
#define IDD_CMD_SECT_SCALE_FACTOR       14001
#define IDC_SSF_SECT_LIST               14011
#define IDC_SSF_FACTOR_LIST             14012
#define IDC_SSF_AREA                    14013
#define IDC_SSF_ASY                     14014
#define IDC_SSF_ASZ                     14015
#define IDC_SSF_IXX                     14016
#define IDC_SSF_IYY                     14017
#define IDC_SSF_IZZ                     14018
#define IDC_SSF_WGT                     14032
#define IDC_SSF_ADD                     14019
#define IDC_SSF_DELETE                  14020
#define IDC_SSF_SHOW                    14021

// Automatic erection sequence (CAutoErectSeqDlg) and its group picker
// (CAutoErectSeqGrupSelDlg).
#define IDD_CMD_AUTO_ERECT_SEQ          16253
#define IDD_CMD_AUTO_ERECT_GRUP         16254
#define IDC_ERSQ_PICTURE                14182
#define IDC_ERSQ_INCREMENT              16302
#define IDC_ERSQ_SPIN                   16303
#define IDC_ERSQ_APPLY                  16315
#define IDC_ERSQ_CLOSE                  16316
#define IDC_ERSQ_TO_CHOSEN              16317
#define IDC_ERSQ_TO_UNCHOSEN            16318
#define IDC_ERSQ_UNCHOSEN               16319
#define IDC_ERSQ_ALL_CHOSEN             16320
#define IDC_ERSQ_CHOSEN                 16321
#define IDC_ERSQ_ALL_UNCHOSEN           16322
#define IDB_ERSQ_PICTURE                14182
// Plan and story dialog (CCmdPlanStoryDlgMain; its tab control and placeholder are the
// levels dialog's ids) and its plan page (CCmdPlanStoryDlgPlan).
#define IDD_CMD_PLANSTORY_MAIN          14010
#define IDC_PSD_MODEL_CTRL              4
#define IDD_CMD_PLANSTORY_PLAN          14011
#define IDC_PSD_PLAN_NAME               14156
#define IDC_PSD_PLAN_SUFFIX             14158
#define IDC_PSD_PLAN_WALL               14159
#define IDC_PSD_PLAN_SLAB               14160
#define IDC_PSD_PLAN_LOAD               14161
#define IDC_PSD_PLAN_LOAD_LABEL         14364
#define IDC_PSD_PLAN_FACTOR1            14162
#define IDC_PSD_PLAN_FACTOR2            14163
#define IDC_PSD_PLAN_FACTOR3            14164
#define IDC_PSD_PLAN_FACTOR_GROUP       14367
#define IDC_PSD_PLAN_USE_MESH           14165
#define IDC_PSD_PLAN_MESH               14129
#define IDC_PSD_PLAN_MESH_UNIT          14166
#define IDC_PSD_PLAN_MESH_CAPTION       16099
#define IDC_PSD_PLAN_MESH_GROUP         16098
#define IDC_PSD_PLAN_ADD                14168
#define IDC_PSD_PLAN_EDIT               14170
#define IDC_PSD_PLAN_DELETE             14172
#define IDC_PSD_PLAN_MATL               14174
#define IDC_PSD_PLAN_GRID               14181
#define IDC_PSD_PLAN_COLM_MATL          14133
#define IDC_PSD_PLAN_COLM_MATL_CBX      14176
#define IDC_PSD_PLAN_BEAM_MATL          14135
#define IDC_PSD_PLAN_BEAM_MATL_CBX      14178
#define IDC_PSD_PLAN_SLAB_MATL          14137
#define IDC_PSD_PLAN_SLAB_MATL_CBX      14138
#define IDC_PSD_PLAN_WALL_MATL          14139
#define IDC_PSD_PLAN_WALL_MATL_CBX      14140
#define IDC_PSD_PLAN_BRACE_MATL         14141
#define IDC_PSD_PLAN_BRACE_MATL_CBX     14142
#define IDC_PSD_PLAN_THIK               15688

// Ground level dialog (CStoryGLevelDlg).
#define IDD_CMD_STORY_GLEVEL            14040
#define IDC_GL_STORY                    14379
#define IDC_GL_LEVEL                    14120
#define IDC_GL_LEVEL_UNIT               14179
#define IDC_GL_STORY_NAME               16329
#define IDC_GL_PICTURE                  14144
#define IDC_GL_OK                       14374
#define IDC_GL_CANCEL                   14377


// Performance-design control (CCmdPFLevelCtrlDlg) and its pages: global settings and story
// drift limits. Ids repeat across the three templates; each name is one template's.
#define IDD_CMD_PF_LEVEL_CTRL           14275
#define IDD_CMD_PF_GLOBAL               14276
#define IDD_CMD_PF_STOR_DRFT            14277
#define IDC_PF_TAB                      16557
#define IDC_PF_PLACEHOLDER              16558
#define IDC_PF_OK                       14352
// Global page.
#define IDC_PF_CODE_SEISMIC             16559
#define IDC_PF_CODE_TALL                16560
#define IDC_PF_ALL_MEMB                 16555
#define IDC_PF_TARGET_BOX               16578
#define IDC_PF_TARGET1                  16357
#define IDC_PF_TARGET2                  16358
#define IDC_PF_TARGET3                  16359
#define IDC_PF_TARGET4                  16360
#define IDC_PF_FREQ                     16549
#define IDC_PF_MOD                      16550
#define IDC_PF_RARE                     16551
#define IDC_PF_FREQ_SLIDER              16552
#define IDC_PF_MOD_SLIDER               16553
#define IDC_PF_RARE_SLIDER              16554
#define IDC_PF_TALL_LABEL               16569
#define IDC_PF_TALL_SLIDER              16557
#define IDC_PF_TALL_A                   16565
#define IDC_PF_TALL_B                   16566
#define IDC_PF_TALL_C                   16567
#define IDC_PF_TALL_D                   16568
#define IDC_PF_TALL_DESC                16570
#define IDC_PF_TALL_NOTE                16571
// Story-drift page: the edits by row (performance levels 1-4 of the seismic design code,
// levels 1-5 of the tall-building code) and earthquake; row heads; the "x" labels.
#define IDC_PF_D_P1_FREQ                16559
#define IDC_PF_D_P1_MOD                 16560
#define IDC_PF_D_P1_RARE                16561
#define IDC_PF_D_P2_FREQ                16562
#define IDC_PF_D_P2_MOD                 16563
#define IDC_PF_D_P2_RARE                16564
#define IDC_PF_D_P3_FREQ                16565
#define IDC_PF_D_P3_MOD                 16566
#define IDC_PF_D_P3_RARE                16567
#define IDC_PF_D_P4_FREQ                16568
#define IDC_PF_D_P4_MOD                 16569
#define IDC_PF_D_P4_RARE                16570
#define IDC_PF_D_L1_FREQ                16589
#define IDC_PF_D_L1_MOD                 16590
#define IDC_PF_D_L2_MOD                 16593
#define IDC_PF_D_L2_RARE                16594
#define IDC_PF_D_L3_MOD                 16596
#define IDC_PF_D_L3_RARE                16597
#define IDC_PF_D_L4_MOD                 16599
#define IDC_PF_D_L4_RARE                16600
#define IDC_PF_D_L5_RARE                16603
#define IDC_PF_D_ROW_P1                 16362
#define IDC_PF_D_ROW_P2                 16363
#define IDC_PF_D_ROW_P3                 16364
#define IDC_PF_D_ROW_P4                 16365
#define IDC_PF_D_ROW_L1                 16366
#define IDC_PF_D_ROW_L2                 16367
#define IDC_PF_D_ROW_L3                 16368
#define IDC_PF_D_ROW_L4                 16369
#define IDC_PF_D_ROW_L5                 16571
// The "x" labels: seismic rows 16604 to 16615 (the edits' order above), tall rows 16616 to 16624.
#define IDC_PF_D_X_FIRST                16604
